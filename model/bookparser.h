#ifndef BOOKPARSER_H
#define BOOKPARSER_H

#include "paragraph.h"

#include <QMap>
#include <QString>

class QDomDocument;
class QDomElement;
class QFile;

// Turns a book file into paragraphs. Every program that reads books uses these rules, so
// the player and the tools agree on what a book holds.
class BookParser {
public:
    // Deeper files (elements, or parentheses in a declaration of the document type) are
    // refused as not well-formed: the DOM parser recurses once per level and would exhaust
    // the stack long before the file ends.
    static constexpr int maximumDepth = 256;
    // Files with more nodes (elements, attributes, texts) are refused as not well-formed:
    // each node costs the DOM some 200 bytes, so this bounds its memory near 1 GB while
    // leaving room for books of over 100,000 paragraphs.
    static constexpr qint64 maximumNodes = 5000000;
    // Larger files are refused as unreadable: the DOM holds their text twice over.
    static constexpr qint64 maximumFileSize = 128 * 1024 * 1024;
    // Files whose names, values and texts hold more characters once entities are expanded
    // are refused as not well-formed, which bounds the DOM's text as the file size would.
    // A file without entities never reaches it: each of its characters takes a byte at least.
    static constexpr qint64 maximumCharacters = maximumFileSize;
    // Files with an element holding more child elements (choices, monsters, objects of one
    // paragraph) are refused as not well-formed: real books hold a handful, and a paragraph
    // of hundreds of thousands would take seconds to parse and fill. The paragraphs under
    // the document element are bounded by the node limit alone.
    static constexpr int maximumChildElements = 1000;

    // Opens a book read-only in text mode. Refuses what is not a regular file (a folder, a
    // pipe that would block, a device), judged on the file opened, and what is too large
    // to parse.
    static bool openBook(QFile *file);
    // Parses the open file into the document. False when the file is not well-formed XML,
    // or when what the DOM would build of it, entities expanded, is nested too deep or holds
    // too many nodes or characters (then `overLimits` is set); the document is then empty.
    static bool readDocument(QFile *file, QDomDocument *document, bool *overLimits = nullptr);
    // Fills `paragraphs` from the `Attr` children of the document element.
    static void parseParagraphs(const QDomElement &rootElement, QMap<QString, Paragraph> *paragraphs);
};

#endif // BOOKPARSER_H
