#include "textreport.h"

#include "bookcheck.h"
#include "frenchnumber.h"
#include "playcoverage.h"
#include "quotation.h"

#include <QTextStream>

#include <numeric>

namespace {

// Seldom read ways to an ending named on its line, at most.
constexpr int mostWaysNamed = 3;

QString place(const QString &path, const Finding &finding)
{
    QString text = path;
    if (finding.line > 0)
        text += QLatin1Char(':') + QString::number(finding.line);
    if (finding.line > 0 && finding.column > 0)
        text += QLatin1Char(':') + QString::number(finding.column);
    return text;
}

// A count and its noun, in the singular for 0 and 1 as French has it.
QString counted(qint64 count, const QString &singular, const QString &plural)
{
    return frenchNumber(count) + QLatin1Char(' ') + (count > 1 ? plural : singular);
}

} // namespace

void TextReport::write(QTextStream &out, const BookCheck &book, bool verbose)
{
    for (const Finding &finding : book.findings()) {
        const bool error = finding.severity == Finding::Severity::Error;
        out << place(book.path(), finding) << (error ? tr(": erreur : ") : tr(": avertissement : ")) << finding.message
            << '\n';
    }
    const int errors = book.count(Finding::Severity::Error);
    const int warnings = book.count(Finding::Severity::Warning);
    const QString findings = counted(errors, tr("erreur"), tr("erreurs")) + QStringLiteral(", ") +
        counted(warnings, tr("avertissement"), tr("avertissements"));
    if (const BookGraph *graph = book.graph())
        out << tr("%1 : %2, %3, %4, %5")
                   .arg(book.path(), counted(graph->paragraphs().size(), tr("paragraphe"), tr("paragraphes")),
                        counted(graph->reachable().size(), tr("accessible"), tr("accessibles")),
                        counted(graph->endings().size(), tr("fin"), tr("fins")), findings)
            << '\n';
    else
        out << tr("%1 : illisible, %2").arg(book.path(), counted(errors, tr("erreur"), tr("erreurs"))) << '\n';
    writePlay(out, book, verbose);
}

void TextReport::writePlay(QTextStream &out, const BookCheck &book, bool verbose)
{
    if (!book.playReport())
        return;
    const PlayReport &report = *book.playReport();
    const PlayCoverage coverage(*book.graph(), report);
    const int paragraphs = book.graph()->paragraphs().size();
    // Whole percents, but never 100 % while a paragraph is left unread.
    const int percent = coverage.read() < paragraphs ? qMin(qRound(100.0 * coverage.read() / paragraphs), 99) : 100;
    const QString adventures = frenchNumber(report.adventures);
    out << book.path() << " : "
        << (report.adventures > 1 ? tr("%1 aventures au hasard ont lu %2 des %3 paragraphes (%4 %), graine %5")
                                  : tr("%1 aventure au hasard a lu %2 des %3 paragraphes (%4 %), graine %5"))
               .arg(adventures, frenchNumber(coverage.read()), frenchNumber(paragraphs))
               .arg(percent)
               .arg(report.seed)
        << '\n';
    const auto line = [&](int count, const QString &what) {
        out << "  " << frenchNumber(count).rightJustified(adventures.size()) << "  "
            << frenchShare(count, report.adventures).rightJustified(7) << "  " << what << '\n';
    };
    const auto sum = [](const QMap<QString, int> &counts) {
        return std::accumulate(counts.cbegin(), counts.cend(), 0);
    };
    for (const QString &ending : book.graph()->endings())
        line(report.endings.value(ending), tr("fin %1").arg(quotation(ending)) + endingNote(coverage, report, ending));
    line(report.defeats, tr("mort au combat"));
    line(sum(report.stuck), tr("plus aucun bouton à presser"));
    line(sum(report.missing), tr("renvoi vers un paragraphe absent du livre"));
    line(sum(report.endless), tr("aventure sans fin"));
    const QStringList &neverRead = coverage.neverRead();
    if (neverRead.isEmpty())
        return;
    if (!verbose) {
        out << "  "
            << (neverRead.size() > 1
                    ? tr("--verbose nomme les %1 paragraphes jamais lus").arg(frenchNumber(neverRead.size()))
                    : tr("--verbose nomme le paragraphe jamais lu"))
            << '\n';
        return;
    }
    QStringList quoted;
    for (const QString &id : neverRead)
        quoted.append(quotation(id));
    out << "  "
        << (quoted.size() > 1 ? tr("paragraphes jamais lus : %1") : tr("paragraphe jamais lu : %1"))
               .arg(quoted.join(QStringLiteral(", ")))
        << '\n';
}

QString TextReport::endingNote(const PlayCoverage &coverage, const PlayReport &report, const QString &ending)
{
    QStringList notes;
    if (!report.endings.contains(ending))
        notes.append(tr("jamais atteinte"));
    const QStringList ways = coverage.seldomWaysTo(ending);
    if (!ways.isEmpty()) {
        QStringList named;
        for (const QString &way : ways.mid(0, mostWaysNamed))
            named.append(tr("%1 (lu dans %2 des aventures)")
                             .arg(quotation(way), frenchShare(report.visits.value(way), report.adventures)));
        if (ways.size() > mostWaysNamed)
            named.append(QString(QChar(0x2026)));
        notes.append(tr("on n'y arrive que par %1").arg(named.join(tr(" ou "))));
    }
    return notes.isEmpty() ? QString() : QStringLiteral(" : ") + notes.join(QStringLiteral(" ; "));
}
