#include "bookcheck.h"

#include "bookparser.h"
#include "contentcheck.h"
#include "listingcheck.h"
#include "quotation.h"
#include "randomplayer.h"
#include "sourcescan.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

BookCheck::BookCheck(const QString &path)
    : m_path(path)
{
    check();
}

const QString &BookCheck::path() const
{
    return m_path;
}

const BookGraph *BookCheck::graph() const
{
    return m_graph.get();
}

const QString &BookCheck::rootTitle() const
{
    return m_rootTitle;
}

const QList<Finding> &BookCheck::findings() const
{
    return m_findings;
}

int BookCheck::count(Finding::Severity severity) const
{
    return int(std::count_if(m_findings.cbegin(), m_findings.cend(),
                             [severity](const Finding &finding) { return finding.severity == severity; }));
}

void BookCheck::check()
{
    QFile file(m_path);
    const QFileInfo info(file);
    if (!BookParser::openBook(&file)) {
        const QString reason = !info.exists() ? tr("the file does not exist")
            : !info.isFile()                  ? tr("it is not a regular file")
            : info.size() > BookParser::maximumFileSize
            ? tr("it is larger than %1 MB, the player's limit").arg(BookParser::maximumFileSize >> 20)
            : file.errorString();
        addFindings({ { Finding::Severity::Error, 0, 0, tr("the player cannot read this book: %1").arg(reason) } });
        return;
    }
    const SourceScan scan(&file);
    QMap<QString, Paragraph> paragraphs;
    if (!file.reset() || !BookParser::readBook(&file, &paragraphs)) {
        const Finding refusal = scan.refusal().value_or(
            Finding { Finding::Severity::Error, 0, 0,
                      tr("the player refuses this book: it is not well-formed XML or, its entities expanded, "
                         "it passes the player's limits of depth, nodes or size") });
        addFindings({ refusal });
        return;
    }
    if (scan.refusal()) {
        Finding disagreement = *scan.refusal();
        disagreement.severity = Finding::Severity::Warning;
        disagreement.message = tr("%1; the player reads on and drops what it cannot read, but other XML readers "
                                  "refuse the file, and lines past this one are not known")
                                   .arg(disagreement.message);
        addFindings({ disagreement });
    }
    m_locations = scan.paragraphs();
    m_rootTitle = scan.rootTitle();
    m_graph = std::make_unique<BookGraph>(paragraphs);
    addFindings(scan.findings());
    addFindings(ListingCheck(m_path, scan.rootTitle(), scan.rootLine()).findings());
    addFindings(ContentCheck(*m_graph, m_locations, scan.rootLine()).findings());
}

void BookCheck::play(int adventures, quint32 seed, int threads)
{
    if (!m_graph)
        return;
    m_playReport = RandomPlayer(*m_graph, seed).play(adventures, threads);
    const PlayReport &report = *m_playReport;
    QList<Finding> found;
    if (report.adventures < adventures)
        found.append({ Finding::Severity::Warning, 0, 0,
                       tr("random play stopped after %1 of %2 adventures, when the time given to a book ran out "
                          "(its paragraphs lay many buttons or show long ids)")
                           .arg(report.adventures)
                           .arg(adventures) });
    for (auto stuck = report.stuck.cbegin(); stuck != report.stuck.cend(); ++stuck)
        found.append(warningAt(stuck.key(),
                               tr("%1 of %2 random adventures were left here with no button to press")
                                   .arg(stuck.value())
                                   .arg(report.adventures)));
    for (auto endless = report.endless.cbegin(); endless != report.endless.cend(); ++endless)
        found.append(warningAt(
            endless.key(),
            tr("%1 of %2 random adventures went on here without end").arg(endless.value()).arg(report.adventures)));
    // Paragraphs that lead to no ending are errors already, and random play soon gives up in them.
    for (const QString &id : m_graph->reachable()) {
        if (!report.visited.contains(id) && m_graph->leadingToAnEnding().contains(id))
            found.append(
                warningAt(id,
                          (m_graph->isEnding(id) ? tr("ending %1 was never reached in %2 random adventures")
                                                 : tr("paragraph %1 was never reached in %2 random adventures"))
                              .arg(quotation(id))
                              .arg(report.adventures)));
    }
    addFindings(found);
}

const std::optional<PlayReport> &BookCheck::playReport() const
{
    return m_playReport;
}

void BookCheck::addFindings(const QList<Finding> &findings)
{
    m_findings += findings;
    std::stable_sort(m_findings.begin(), m_findings.end(),
                     [](const Finding &left, const Finding &right) { return left.line < right.line; });
}

Finding BookCheck::warningAt(const QString &id, const QString &message) const
{
    return { Finding::Severity::Warning, m_locations.value(id).line, 0, message };
}
