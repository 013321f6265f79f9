#ifndef DOMREFERENCE_H
#define DOMREFERENCE_H

#include "paragraph.h"

#include <QMap>
#include <QString>

class QDomElement;
class QIODevice;

// The way the player once read a book, kept as the reference its loader is compared with:
// the whole document built by QtXml's DOM, then its `Attr` elements walked into paragraphs.
class DomReference {
public:
    // Through the loader's bounded parser: false when the file is not well-formed or goes
    // past the book limits (then `overLimits` is set); `paragraphs` is then empty.
    static bool readBounded(QIODevice *device, QMap<QString, Paragraph> *paragraphs, bool *overLimits);
    // Through QDomDocument::setContent alone, which follows any nesting: safe only on what the
    // bounded parse found within its limits.
    static bool readPlain(QIODevice *device, QMap<QString, Paragraph> *paragraphs);
    // Fills `paragraphs` from the `Attr` children of the document element.
    static void parseParagraphs(const QDomElement &rootElement, QMap<QString, Paragraph> *paragraphs);
};

#endif // DOMREFERENCE_H
