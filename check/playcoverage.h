#ifndef PLAYCOVERAGE_H
#define PLAYCOVERAGE_H

#include <QHash>
#include <QStringList>

class BookGraph;
struct PlayReport;

// How much of a book random play read: the paragraphs it read and those it never did, and
// the endings it reaches only through paragraphs it seldom reads, narrow gates that an
// author may want to check are meant so.
class PlayCoverage {
public:
    // A paragraph shown in fewer than this share of the adventures is seldom read.
    static constexpr double seldomShare = 0.05;

    PlayCoverage(const BookGraph &graph, const PlayReport &report);

    // The paragraphs of the book that some adventure showed.
    int read() const;
    // The paragraphs of the book that no adventure showed, by id.
    const QStringList &neverRead() const;
    // The reachable paragraphs with a way to `ending`, when each of them is seldom read; empty
    // when one of them is not, or when there is none.
    QStringList seldomWaysTo(const QString &ending) const;

private:
    const PlayReport &m_report;
    QHash<QString, QStringList> m_waysIn; // by ending, the reachable paragraphs with a way to it
    int m_read = 0;
    QStringList m_neverRead;
};

#endif // PLAYCOVERAGE_H
