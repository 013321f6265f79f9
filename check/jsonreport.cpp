#include "jsonreport.h"

#include "bookcheck.h"
#include "playcoverage.h"

#include <QJsonArray>

namespace {

QJsonObject counts(const QMap<QString, int> &byParagraph)
{
    QJsonObject object;
    for (auto count = byParagraph.cbegin(); count != byParagraph.cend(); ++count)
        object.insert(count.key(), count.value());
    return object;
}

} // namespace

QJsonObject JsonReport::book(const BookCheck &book)
{
    QJsonArray findings;
    for (const Finding &finding : book.findings()) {
        findings.append(QJsonObject {
            { QStringLiteral("line"), finding.line },
            { QStringLiteral("column"), finding.column },
            { QStringLiteral("severity"),
              finding.severity == Finding::Severity::Error ? QStringLiteral("error") : QStringLiteral("warning") },
            { QStringLiteral("code"), finding.code },
            { QStringLiteral("message"), finding.message },
        });
    }
    QJsonObject object {
        { QStringLiteral("file"), book.path() },
        { QStringLiteral("errors"), book.count(Finding::Severity::Error) },
        { QStringLiteral("warnings"), book.count(Finding::Severity::Warning) },
        { QStringLiteral("findings"), findings },
    };
    if (const BookGraph *graph = book.graph()) {
        object.insert(QStringLiteral("title"), book.rootTitle());
        object.insert(QStringLiteral("paragraphs"), graph->paragraphs().size());
        object.insert(QStringLiteral("reachable"), graph->reachable().size());
        object.insert(QStringLiteral("endings"), QJsonArray::fromStringList(graph->endings()));
    }
    if (book.playReport())
        object.insert(QStringLiteral("play"), play(book));
    return object;
}

QJsonObject JsonReport::play(const BookCheck &book)
{
    const PlayReport &report = *book.playReport();
    const PlayCoverage coverage(*book.graph(), report);
    QJsonObject seldomWaysIn;
    for (const QString &ending : book.graph()->endings()) {
        const QStringList ways = coverage.seldomWaysTo(ending);
        if (!ways.isEmpty())
            seldomWaysIn.insert(ending, QJsonArray::fromStringList(ways));
    }
    return QJsonObject {
        { QStringLiteral("adventures"), report.adventures },
        { QStringLiteral("seed"), qint64(report.seed) },
        { QStringLiteral("endings"), counts(report.endings) },
        { QStringLiteral("defeats"), report.defeats },
        { QStringLiteral("stuck"), counts(report.stuck) },
        { QStringLiteral("missing"), counts(report.missing) },
        { QStringLiteral("endless"), counts(report.endless) },
        { QStringLiteral("neverReached"), QJsonArray::fromStringList(coverage.neverRead()) },
        { QStringLiteral("visits"), counts(report.visits) },
        { QStringLiteral("seldomWaysIn"), seldomWaysIn },
    };
}
