#ifndef BOOKCHECK_H
#define BOOKCHECK_H

#include "bookgraph.h"
#include "finding.h"
#include "paragraphlocations.h"
#include "playreport.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

// Everything the checker tells about one book file: whether the player can read it, what
// its list shows, what its paragraphs hold and, when asked, how random adventures in it go.
// The paragraphs are the player's own loader's; line numbers come from a pass of their own.
class BookCheck {
    Q_DECLARE_TR_FUNCTIONS(BookCheck)

public:
    explicit BookCheck(const QString &path);

    const QString &path() const;
    // Null when the player cannot read the book.
    const BookGraph *graph() const;
    const QString &rootTitle() const;
    // Sorted by line.
    const QList<Finding> &findings() const;
    int count(Finding::Severity severity) const;

    // Plays random adventures on `threads` threads (0: one per processor) and adds what they
    // show to the findings, which do not depend on the number of threads.
    void play(int adventures, quint32 seed, int threads = 0);
    const std::optional<PlayReport> &playReport() const;

private:
    void check();
    void addFindings(const QList<Finding> &findings);
    Finding warningAt(const QString &id, const QString &code, const QString &message) const;

    QString m_path;
    std::unique_ptr<BookGraph> m_graph;
    QHash<QString, ParagraphLocations> m_locations;
    QString m_rootTitle;
    QList<Finding> m_findings;
    std::optional<PlayReport> m_playReport;
};

#endif // BOOKCHECK_H
