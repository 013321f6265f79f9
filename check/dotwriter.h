#ifndef DOTWRITER_H
#define DOTWRITER_H

#include <QByteArray>
#include <QString>

class BookGraph;

// The map of a book in Graphviz's DOT language: one node per paragraph, one labelled edge
// per way the player offers. The first paragraph is bold, endings are filled (green for
// V, grey for X), paragraphs that cannot be reached are dashed, and ids the book lacks
// are red.
class DotWriter {
public:
    static QByteArray write(const BookGraph &graph, const QString &title);
};

#endif // DOTWRITER_H
