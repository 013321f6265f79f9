#include "visitlog.h"

VisitLog::VisitLog(const QStringList &ids, int count)
    : m_ids(ids)
{
    moveTo(count);
}

void VisitLog::append(const QString &id)
{
    dropAhead();
    m_ids.append(id);
    moveTo(m_count + 1);
}

void VisitLog::dropAhead()
{
    // Only when there is something to drop: a list shared with a save being written would
    // otherwise be copied.
    if (m_count < m_ids.size())
        m_ids.erase(m_ids.begin() + m_count, m_ids.end());
}

void VisitLog::moveTo(int count)
{
    count = qBound(0, count, int(m_ids.size()));
    for (; m_count < count; ++m_count)
        enter(m_ids.at(m_count));
    for (; m_count > count; --m_count)
        leave(m_ids.at(m_count - 1));
}

void VisitLog::enter(const QString &id)
{
    ++m_times[id];
    m_text += id + QLatin1Char(',');
}

void VisitLog::leave(const QString &id)
{
    if (--m_times[id] == 0)
        m_times.remove(id);
    m_text.chop(id.size() + 1);
}

int VisitLog::count() const
{
    return m_count;
}

bool VisitLog::contains(const QString &id) const
{
    return m_times.contains(id);
}

int VisitLog::timesVisited(const QString &id) const
{
    return m_times.value(id);
}

QString VisitLog::last() const
{
    return m_count > 0 ? m_ids.at(m_count - 1) : QString();
}

const QString &VisitLog::text() const
{
    return m_text;
}

const QStringList &VisitLog::ids() const
{
    return m_ids;
}
