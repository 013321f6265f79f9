#ifndef TESTWORKSPACE_H
#define TESTWORKSPACE_H

#include "paragraph.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A temporary working directory with its own Add-on/ and images/ (the real die faces),
// made current for as long as the workspace lives, and inside it the reader's data folder
// (data/), the system's (system/) and the settings (config/).
class TestWorkspace {
public:
    TestWorkspace();
    ~TestWorkspace();

    // Writes Add-on/<fileName> and returns its path.
    QString writeBook(const QString &fileName, const QByteArray &content) const;
    // Writes Add-on/livre.xml, a well-formed book around `paragraphs`, and returns its path.
    QString writeParagraphs(const QByteArray &paragraphs) const;
    // Empties Add-on/ so that each case scans only its own books.
    void clearBooks() const;
    QString bookFolder() const;

    // A file of the repository, such as a bundled book.
    static QString repositoryFile(const QString &relativePath);
    // A well-formed book around `paragraphs` (Attr elements written by the test).
    static QByteArray book(const QByteArray &paragraphs, const QByteArray &title = "Livre d'essai");
    // The paragraphs the player's loader reads of a book file's `content`.
    static QMap<QString, Paragraph> load(const QByteArray &content);

private:
    QTemporaryDir directory;
    QString previousDirectory;
};

#endif // TESTWORKSPACE_H
