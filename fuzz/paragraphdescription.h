#ifndef PARAGRAPHDESCRIPTION_H
#define PARAGRAPHDESCRIPTION_H

#include "paragraph.h"

#include <QMap>
#include <QString>

// Paragraphs written out as text, so that two readings of a book compare as two strings and
// a difference shows where it is.
class ParagraphDescription {
public:
    // Every field of every paragraph, null strings told from empty ones: the text differs
    // whenever the paragraphs do.
    static QString describe(const QMap<QString, Paragraph> &paragraphs);
};

#endif // PARAGRAPHDESCRIPTION_H
