#include "dotwriter.h"

#include "bookgraph.h"

#include <QSet>
#include <QTextStream>

namespace {

constexpr int longestLabel = 28;

// A DOT string: quoted, with quotes, backslashes and line breaks escaped, so that no text
// of the book can end it early.
QString dotString(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    escaped.replace(QLatin1Char('\n'), QLatin1Char(' '));
    escaped.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString label(const QString &text)
{
    const QString simplified = text.simplified();
    return simplified.size() <= longestLabel ? simplified : simplified.left(longestLabel - 1) + QChar(0x2026);
}

// Targets the book lacks get a node of their own, apart from any paragraph id.
QString missingNode(const QString &target)
{
    return dotString(QStringLiteral("missing:") + target);
}

QString edgeAttributes(const BookGraph::Edge &edge)
{
    switch (edge.kind) {
    case BookGraph::Edge::Kind::Choice:
        return QStringLiteral("label=%1").arg(dotString(label(edge.label)));
    case BookGraph::Edge::Kind::Lucky:
        return QStringLiteral("label=\"chance\", color=darkgreen, fontcolor=darkgreen");
    case BookGraph::Edge::Kind::Unlucky:
        return QStringLiteral("label=\"malchance\", color=firebrick, fontcolor=firebrick");
    case BookGraph::Edge::Kind::Flight:
        return QStringLiteral("label=\"fuite\", style=dashed");
    case BookGraph::Edge::Kind::Victory:
        return QStringLiteral("label=%1, color=navy, fontcolor=navy, penwidth=2")
            .arg(dotString(QStringLiteral("victoire : ") + label(edge.label)));
    }
    return QString();
}

QString nodeAttributes(const BookGraph &graph, const QString &id)
{
    QStringList styles { QStringLiteral("rounded") };
    QString extra;
    if (id == BookGraph::firstParagraph)
        styles << QStringLiteral("bold");
    if (graph.isEnding(id)) {
        const bool victory = graph.paragraphs().value(id).type.split(QLatin1Char(',')).contains(QStringLiteral("V"));
        styles << QStringLiteral("filled");
        extra = victory ? QStringLiteral(", fillcolor=palegreen") : QStringLiteral(", fillcolor=gray85");
    }
    if (!graph.reachable().contains(id)) {
        styles << QStringLiteral("dashed");
        extra += QStringLiteral(", color=gray50, fontcolor=gray50");
    }
    return QStringLiteral("style=%1%2").arg(dotString(styles.join(QLatin1Char(','))), extra);
}

} // namespace

QByteArray DotWriter::write(const BookGraph &graph, const QString &title)
{
    QString dot;
    QTextStream out(&dot);
    out << "digraph book {\n"
        << "  graph [label=" << dotString(title) << ", labelloc=t, fontsize=20, rankdir=TB];\n"
        << "  node [shape=box, fontsize=11];\n"
        << "  edge [fontsize=9];\n";
    const QMap<QString, Paragraph> &paragraphs = graph.paragraphs();
    QSet<QString> missing;
    for (auto paragraph = paragraphs.cbegin(); paragraph != paragraphs.cend(); ++paragraph)
        out << "  " << dotString(paragraph.key()) << " [" << nodeAttributes(graph, paragraph.key()) << "];\n";
    for (auto paragraph = paragraphs.cbegin(); paragraph != paragraphs.cend(); ++paragraph) {
        for (const BookGraph::Edge &edge : graph.edges(paragraph.key())) {
            const bool known = paragraphs.contains(edge.target);
            if (!known)
                missing.insert(edge.target);
            out << "  " << dotString(paragraph.key()) << " -> "
                << (known ? dotString(edge.target) : missingNode(edge.target)) << " [" << edgeAttributes(edge)
                << "];\n";
        }
    }
    QStringList missingTargets = missing.values();
    missingTargets.sort();
    for (const QString &target : missingTargets) {
        const QString text =
            target.isEmpty() ? QStringLiteral("nulle part") : label(target) + QStringLiteral(" (absent)");
        out << "  " << missingNode(target) << " [label=" << dotString(text) << ", color=red, fontcolor=red];\n";
    }
    out << "}\n";
    out.flush();
    return dot.toUtf8();
}
