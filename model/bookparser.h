#ifndef BOOKPARSER_H
#define BOOKPARSER_H

#include "paragraph.h"
#include "xmllimits.h"

#include <QMap>
#include <QString>

class QFile;
class QIODevice;

// Turns a book file into paragraphs. Every program that reads books uses these rules, so
// the player and the tools agree on what a book holds. The limits below were first set
// against the cost of the DOM the player once built; they stay as they are, so that the
// books accepted and refused stay the same.
class BookParser {
public:
    // Deeper files (elements, or parentheses in a declaration of the document type) are
    // refused as not well-formed: the parser recurses once per level and would exhaust the
    // stack long before the file ends.
    static constexpr int maximumDepth = 256;
    // Files with more nodes (elements, attributes, texts) are refused as not well-formed:
    // this bounds the time a parse takes, entities expanded, and the paragraphs that can be
    // made of them, while leaving room for books of over 100,000 paragraphs.
    static constexpr qint64 maximumNodes = 5000000;
    // Larger files are refused as unreadable: the paragraphs hold their text in two bytes a
    // character.
    static constexpr qint64 maximumFileSize = 128 * 1024 * 1024;
    // Files whose names, values and texts hold more characters once entities are expanded
    // are refused as not well-formed, which bounds the paragraphs' text as the file size
    // would. A file without entities never reaches it: each of its characters takes a byte
    // at least.
    static constexpr qint64 maximumCharacters = maximumFileSize;
    // Files with an element holding more child elements (choices, monsters, objects of one
    // paragraph) are refused as not well-formed: real books hold a handful, and a paragraph
    // of hundreds of thousands would take seconds to parse and fill. The paragraphs under
    // the document element are bounded by the node limit alone.
    static constexpr int maximumChildElements = 1000;

    // The limits above, as the parser takes them.
    static XmlLimits limits();

    // Opens a book read-only. Not in text mode: XML joins the ends of lines itself, and text
    // mode would tear the characters of a UTF-16 book apart. Refuses what is not a regular file (a folder, a
    // pipe that would block, a device), judged on the file opened, and what is too large
    // to parse.
    static bool openBook(QFile *file);
    // Why and where a parse failed, as the parser tells it.
    struct Failure {
        QString message;
        int line = 0;
    };

    // Reads the paragraphs of the open file into `paragraphs`, which it replaces. False when
    // the file is not well-formed XML, or when, entities expanded, it is nested too deep or
    // holds too many nodes or characters (then `overLimits` is set); `paragraphs` is then
    // empty, and `failure` says why.
    static bool readBook(QIODevice *file, QMap<QString, Paragraph> *paragraphs, bool *overLimits = nullptr,
                         Failure *failure = nullptr);
};

#endif // BOOKPARSER_H
