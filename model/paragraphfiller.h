#ifndef PARAGRAPHFILLER_H
#define PARAGRAPHFILLER_H

#include "bookformat.h"
#include "paragraph.h"

#include <QMap>
#include <QString>

#include <functional>

// Fills the paragraphs of a book from its elements as a reader walks them in document
// order, whatever the reader: each `Attr` child of the document element is one paragraph,
// stored under its `id` when it closes, a later one replacing an earlier one. Inside it, a
// second `Text` replaces the first, a second `Choices` numbers its entries from 1 again.
class ParagraphFiller {
public:
    // The value of an element's attribute, by name; null when the element has none.
    using Attributes = std::function<QString(QLatin1String name)>;

    // Paragraphs are added to `paragraphs` as they close.
    explicit ParagraphFiller(QMap<QString, Paragraph> *paragraphs);

    // An element opens at `place`: what it holds in its attributes is read.
    void open(BookFormat::Place place, const Attributes &attributes);
    // The element at `place` closes; `text` is its text when its place reads text.
    void close(BookFormat::Place place, const QString &text);

private:
    QMap<QString, Paragraph> *paragraphs;
    QString id;
    Paragraph paragraph;
    // Entries of the open Choices, Monster or Objects element so far.
    int entries = 0;
    QString target; // of the open choice or luck outcome
    GameObject object;
};

#endif // PARAGRAPHFILLER_H
