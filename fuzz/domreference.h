#ifndef DOMREFERENCE_H
#define DOMREFERENCE_H

#include "paragraph.h"

#include <QMap>
#include <QString>

class QIODevice;

// The way the player once read a book, kept as the reference its loader is compared with:
// the whole document built by the DOM of the Qt in use, then its elements walked through
// the book format into paragraphs. The DOM follows any nesting and expands any entity:
// safe only on what the loader found within its limits.
class DomReference {
public:
    // False when the DOM finds the file not well-formed, saying why in `failure` when given;
    // `paragraphs` is then empty.
    static bool read(QIODevice *device, QMap<QString, Paragraph> *paragraphs, QString *failure = nullptr);
};

#endif // DOMREFERENCE_H
