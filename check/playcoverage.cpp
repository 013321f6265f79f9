#include "playcoverage.h"

#include "bookgraph.h"
#include "playreport.h"

PlayCoverage::PlayCoverage(const BookGraph &graph, const PlayReport &report)
    : m_report(report)
{
    for (const QString &id : graph.paragraphs().keys()) {
        if (report.visits.contains(id))
            ++m_read;
        else
            m_neverRead.append(id);
        if (!graph.reachable().contains(id))
            continue;
        for (const BookGraph::Edge &edge : graph.edges(id)) {
            if (!graph.isEnding(edge.target) || edge.target == id)
                continue;
            // The ways of a paragraph come together: its id is the last one when it has two.
            QStringList &ways = m_waysIn[edge.target];
            if (ways.isEmpty() || ways.last() != id)
                ways.append(id);
        }
    }
}

int PlayCoverage::read() const
{
    return m_read;
}

const QStringList &PlayCoverage::neverRead() const
{
    return m_neverRead;
}

QStringList PlayCoverage::seldomWaysTo(const QString &ending) const
{
    const QStringList ways = m_waysIn.value(ending);
    for (const QString &way : ways) {
        if (m_report.visits.value(way) >= seldomShare * m_report.adventures)
            return QStringList();
    }
    return ways;
}
