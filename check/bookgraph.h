#ifndef BOOKGRAPH_H
#define BOOKGRAPH_H

#include "paragraph.h"
#include "playaction.h"
#include "way.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// The ways from paragraph to paragraph that the player offers, taken from the game's own
// layout of each paragraph: its choice, flee, luck and attack buttons, and the flight the
// fight offers. What the book writes but the player never offers is not a way.
class BookGraph {
public:
    // Its part names the target as ParagraphLocations names it.
    using Edge = Way;

    static const QString firstParagraph;

    explicit BookGraph(const QMap<QString, Paragraph> &paragraphs);

    const QMap<QString, Paragraph> &paragraphs() const;
    // The buttons the player lays out for the paragraph, in their order.
    QList<PlayAction> actions(const QString &id) const;
    QList<Edge> edges(const QString &id) const;
    // Paragraphs with an end button ("X" or "V").
    bool isEnding(const QString &id) const;
    const QStringList &endings() const;
    // Paragraphs reached from "000" through paragraphs of the book.
    const QSet<QString> &reachable() const;
    // Paragraphs from which some ending can be reached.
    const QSet<QString> &leadingToAnEnding() const;

private:
    struct Node {
        QList<PlayAction> actions;
        QList<Edge> edges;
    };

    void addNode(const QString &id, const Paragraph &paragraph);
    void findReachable();
    void findLeadingToAnEnding();

    QMap<QString, Paragraph> m_paragraphs;
    QHash<QString, Node> m_nodes;
    QStringList m_endings; // in the order of their ids
    QSet<QString> m_endingSet;
    QSet<QString> m_reachable;
    QSet<QString> m_leadingToAnEnding;
};

#endif // BOOKGRAPH_H
