#include "bookgraph.h"

#include "paragraphlayout.h"

#include <algorithm>

const QString BookGraph::firstParagraph = QStringLiteral("000");

BookGraph::BookGraph(const QMap<QString, Paragraph> &paragraphs)
    : m_paragraphs(paragraphs)
{
    m_nodes.reserve(paragraphs.size());
    for (auto paragraph = paragraphs.cbegin(); paragraph != paragraphs.cend(); ++paragraph) {
        addNode(paragraph.key(), *paragraph);
        if (m_endingSet.contains(paragraph.key()))
            m_endings.append(paragraph.key());
    }
    findReachable();
    findLeadingToAnEnding();
}

const QMap<QString, Paragraph> &BookGraph::paragraphs() const
{
    return m_paragraphs;
}

QList<PlayAction> BookGraph::actions(const QString &id) const
{
    return m_nodes.value(id).actions;
}

QList<BookGraph::Edge> BookGraph::edges(const QString &id) const
{
    return m_nodes.value(id).edges;
}

bool BookGraph::isEnding(const QString &id) const
{
    return m_endingSet.contains(id);
}

const QStringList &BookGraph::endings() const
{
    return m_endings;
}

const QSet<QString> &BookGraph::reachable() const
{
    return m_reachable;
}

const QSet<QString> &BookGraph::leadingToAnEnding() const
{
    return m_leadingToAnEnding;
}

void BookGraph::addNode(const QString &id, const Paragraph &paragraph)
{
    Node &node = m_nodes[id];
    QList<Edge> &edges = node.edges;
    const PlayAreaContent content = ParagraphLayout::lay(paragraph, false);
    node.actions = content.actions;
    for (int index = 0; index < content.actions.size(); ++index) {
        if (content.actions.at(index).kind == PlayAction::Kind::End)
            m_endingSet.insert(id);
        edges.append(Way::of(paragraph, content, index));
    }
    // A way offered twice is one way: the flee button and the fight offer the same flight,
    // and a code written twice lays the same choices again.
    QSet<QString> parts;
    edges.erase(std::remove_if(edges.begin(), edges.end(),
                               [&parts](const Edge &edge) {
                                   const bool seen = parts.contains(edge.part);
                                   parts.insert(edge.part);
                                   return seen;
                               }),
                edges.end());
}

void BookGraph::findReachable()
{
    QStringList pending;
    if (m_paragraphs.contains(firstParagraph))
        pending.append(firstParagraph);
    while (!pending.isEmpty()) {
        const QString id = pending.takeLast();
        if (m_reachable.contains(id))
            continue;
        m_reachable.insert(id);
        for (const Edge &edge : m_nodes.value(id).edges) {
            if (m_paragraphs.contains(edge.target) && !m_reachable.contains(edge.target))
                pending.append(edge.target);
        }
    }
}

// Walks back from the endings along the ways that lead to them.
void BookGraph::findLeadingToAnEnding()
{
    QHash<QString, QStringList> comingFrom;
    comingFrom.reserve(m_paragraphs.size());
    for (auto node = m_nodes.cbegin(); node != m_nodes.cend(); ++node) {
        for (const Edge &edge : node->edges)
            comingFrom[edge.target].append(node.key());
    }
    QStringList pending = m_endings;
    while (!pending.isEmpty()) {
        const QString id = pending.takeLast();
        if (m_leadingToAnEnding.contains(id))
            continue;
        m_leadingToAnEnding.insert(id);
        for (const QString &source : comingFrom.value(id)) {
            if (!m_leadingToAnEnding.contains(source))
                pending.append(source);
        }
    }
}
