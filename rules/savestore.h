#ifndef SAVESTORE_H
#define SAVESTORE_H

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct SavedAdventure;

// Where saved adventures live, in "saves" of the player's data folder: for each book, a
// folder holding its automatic save and its named saves, and beside it the one save per book
// of earlier versions of the player, read as a named save. Every file is written whole or
// not at all, and read back as the untrusted file it is; a file that cannot be read stays
// until the reader deletes it.
class SaveStore {
    Q_DECLARE_TR_FUNCTIONS(SaveStore)

public:
    // Larger files are refused unread: a save of a long adventure takes a few megabytes.
    static constexpr qint64 maximumSaveSize = 16 * 1024 * 1024;
    static constexpr int maximumNamedSaves = 100;

    // A save as the list of a book's saves shows it, or the reason it cannot be read.
    struct Entry {
        QString path;
        QString name;
        QDateTime savedAt;
        QString paragraph;
        int endurance = 0;
        int gold = 0;
        QString fault;
    };

    static QString automaticPath(const QString &bookPath);
    // A place for a new named save of the book.
    static QString newNamedPath(const QString &bookPath);
    // The book has an adventure that can be taken up: an automatic save, or named ones.
    static bool exists(const QString &bookPath);
    static bool hasAutomatic(const QString &bookPath);
    // The files of the book's named saves, read or not.
    static QStringList namedPaths(const QString &bookPath);
    // The book's named saves, each read, newest first.
    static QList<Entry> namedSaves(const QString &bookPath);

    // Replaces the file at `path`. False, with `error` saying in French why, when it fails.
    static bool write(const QString &path, const SavedAdventure &saved, QString *error);
    static bool read(const QString &path, SavedAdventure *saved, QString *error);
    static bool rename(const QString &path, const QString &name, QString *error);
    // Deletes the file; one already gone is no failure.
    static bool remove(const QString &path, QString *error);
    // Moves the automatic save among the named ones, readable or not, so that another
    // adventure can take its place without losing it.
    static bool keepAutomatic(const QString &bookPath, QString *error);

    // The SHA-256 of the book's bytes, in hexadecimal; empty when it cannot be read.
    static QString hashOfBook(const QString &bookPath);

private:
    static QString folderFor(const QString &bookPath);
};

#endif // SAVESTORE_H
