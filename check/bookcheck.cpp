#include "bookcheck.h"

#include "bookparser.h"
#include "contentcheck.h"
#include "frenchnumber.h"
#include "listingcheck.h"
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
        const QString reason = !info.exists() ? tr("le fichier n'existe pas")
            : !info.isFile()                  ? tr("ce n'est pas un fichier ordinaire")
            : info.size() > BookParser::maximumFileSize
            ? tr("il dépasse %1 Mo, la limite de Valdoriel").arg(BookParser::maximumFileSize >> 20)
            : file.errorString();
        addFindings({ { Finding::Severity::Error, 0, 0, QStringLiteral("unreadable-file"),
                        tr("Valdoriel ne peut pas lire ce livre : %1").arg(reason) } });
        return;
    }
    const SourceScan scan(&file);
    QMap<QString, Paragraph> paragraphs;
    if (!file.reset() || !BookParser::readBook(&file, &paragraphs)) {
        const Finding refusal = scan.refusal().value_or(
            Finding { Finding::Severity::Error, 0, 0, QStringLiteral("refused-book"),
                      tr("Valdoriel refuse ce livre : ce n'est pas du XML bien formé ou, ses entités développées, "
                         "il dépasse les limites de profondeur, de nœuds ou de taille de Valdoriel") });
        addFindings({ refusal });
        return;
    }
    if (scan.refusal()) {
        Finding disagreement = *scan.refusal();
        disagreement.severity = Finding::Severity::Warning;
        disagreement.message = tr("%1 ; Valdoriel poursuit sa lecture et laisse de côté ce qu'il ne peut pas lire, "
                                  "mais d'autres lecteurs XML refusent le fichier, et les lignes qui suivent celle-ci "
                                  "ne sont pas connues")
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
    // Paragraphs and endings that random play happens not to reach are told in its report:
    // in a book of hundreds of paragraphs, many are reachable and rarely read.
    QList<Finding> found;
    if (report.adventures < adventures)
        found.append({ Finding::Severity::Warning, 0, 0, QStringLiteral("play-cut-short"),
                       tr("le jeu au hasard s'est arrêté après %1 des %2 aventures, faute de temps pour ce livre "
                          "(ses paragraphes posent beaucoup de boutons ou montrent de longs identifiants)")
                           .arg(frenchNumber(report.adventures), frenchNumber(adventures)) });
    for (auto stuck = report.stuck.cbegin(); stuck != report.stuck.cend(); ++stuck)
        found.append(warningAt(stuck.key(), QStringLiteral("adventure-stuck"),
                               tr("%1 des %2 aventures au hasard sont restées ici sans bouton à presser")
                                   .arg(frenchNumber(stuck.value()), frenchNumber(report.adventures))));
    for (auto endless = report.endless.cbegin(); endless != report.endless.cend(); ++endless)
        found.append(warningAt(endless.key(), QStringLiteral("adventure-endless"),
                               tr("%1 des %2 aventures au hasard ont tourné ici sans fin")
                                   .arg(frenchNumber(endless.value()), frenchNumber(report.adventures))));
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

Finding BookCheck::warningAt(const QString &id, const QString &code, const QString &message) const
{
    return { Finding::Severity::Warning, m_locations.value(id).line, 0, code, message };
}
