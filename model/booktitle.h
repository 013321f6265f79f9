#ifndef BOOKTITLE_H
#define BOOKTITLE_H

#include <QString>

// The title under which the book list shows a book. The list does not parse the file: it
// takes the first `Title="` anywhere in its text, so the player and the authors' checker
// must both ask here to agree on what a reader sees.
class BookTitle {
public:
    // The text after the first `Title="` up to the next double quote (or to the end of the
    // text), with entities left as written; a null string when there is no `Title="`, and
    // an empty but not null one when the title is empty.
    static QString fromText(const QString &text);
};

#endif // BOOKTITLE_H
