#include "textreport.h"

#include "bookcheck.h"
#include "quotation.h"

#include <QTextStream>

#include <numeric>

namespace {

QString place(const QString &path, const Finding &finding)
{
    QString text = path;
    if (finding.line > 0)
        text += QLatin1Char(':') + QString::number(finding.line);
    if (finding.line > 0 && finding.column > 0)
        text += QLatin1Char(':') + QString::number(finding.column);
    return text;
}

QString share(int count, int total)
{
    return QStringLiteral("%1%").arg(100.0 * count / qMax(total, 1), 5, 'f', 1);
}

} // namespace

void TextReport::write(QTextStream &out, const BookCheck &book)
{
    for (const Finding &finding : book.findings()) {
        const bool error = finding.severity == Finding::Severity::Error;
        out << place(book.path(), finding) << (error ? ": error: " : ": warning: ") << finding.message << '\n';
    }
    const int errors = book.count(Finding::Severity::Error);
    const int warnings = book.count(Finding::Severity::Warning);
    if (const BookGraph *graph = book.graph())
        out << tr("%1: %2 paragraphs, %3 reachable, %4 endings, %5 errors, %6 warnings")
                   .arg(book.path())
                   .arg(graph->paragraphs().size())
                   .arg(graph->reachable().size())
                   .arg(graph->endings().size())
                   .arg(errors)
                   .arg(warnings)
            << '\n';
    else
        out << tr("%1: not read, %2 errors").arg(book.path()).arg(errors) << '\n';
    writePlay(out, book);
}

void TextReport::writePlay(QTextStream &out, const BookCheck &book)
{
    if (!book.playReport())
        return;
    const PlayReport &report = *book.playReport();
    const auto line = [&out, &report](const QString &what, int count) {
        out << "  " << share(count, report.adventures) << "  " << what << '\n';
    };
    const auto sum = [](const QMap<QString, int> &counts) {
        return std::accumulate(counts.cbegin(), counts.cend(), 0);
    };
    out << tr("%1: %2 random adventures (seed %3):").arg(book.path()).arg(report.adventures).arg(report.seed) << '\n';
    for (const QString &ending : book.graph()->endings())
        line(tr("ending %1").arg(quotation(ending)), report.endings.value(ending));
    line(tr("defeated in a fight"), report.defeats);
    line(tr("left with no button to press"), sum(report.stuck));
    line(tr("sent to a paragraph the book lacks"), sum(report.missing));
    line(tr("without end"), sum(report.endless));
}
