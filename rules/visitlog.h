#ifndef VISITLOG_H
#define VISITLOG_H

#include <QHash>
#include <QString>
#include <QStringList>

// The paragraphs an adventure has shown, in order. It only grows at its end and steps back
// and forward along itself, so that a history of screens keeps a count of visits rather than
// a copy of the list for each screen: the visits ahead of the count are kept until a new
// visit replaces them.
class VisitLog {
public:
    VisitLog() = default;
    // `ids` shown, the first `count` of them visited now.
    VisitLog(const QStringList &ids, int count);

    // Drops the visits ahead of the count, then adds `id`.
    void append(const QString &id);
    void dropAhead();
    // Steps back or forward to `count` visits, within those kept.
    void moveTo(int count);

    int count() const;
    bool contains(const QString &id) const;
    int timesVisited(const QString &id) const;
    // The id visited last, empty before any visit.
    QString last() const;
    // Every id visited now, each followed by ",".
    const QString &text() const;
    // Every id kept, those ahead of the count included.
    const QStringList &ids() const;

private:
    void enter(const QString &id);
    void leave(const QString &id);

    QStringList m_ids;
    int m_count = 0;
    QHash<QString, int> m_times;
    QString m_text;
};

#endif // VISITLOG_H
