#ifndef XMLLIMITS_H
#define XMLLIMITS_H

#include <QtGlobal>

// How much of a document a parse may go through, counted on what the parser reports,
// entities expanded.
struct XmlLimits {
    // Elements open at once, and parentheses open in one declaration of the document type.
    int depth = 0;
    // Elements, attributes, texts, comments, processing instructions, entity references
    // and declarations.
    qint64 nodes = 0;
    // Characters of tag and attribute names, attribute values, texts, comments and
    // processing instructions.
    qint64 characters = 0;
    // Child elements of one element, the document element's own children aside.
    int childElements = 0;
};

#endif // XMLLIMITS_H
