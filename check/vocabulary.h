#ifndef VOCABULARY_H
#define VOCABULARY_H

#include "bookformat.h"

#include <QString>

// The names of the book format as an author may misspell them: which known name an unknown
// one is close to, among the children and attributes the format reads at a place.
class Vocabulary {
public:
    // A known name that `name` probably misspells (another case, a missing accent, a letter
    // or two off), or a null string.
    static QString closeElement(BookFormat::Place parent, const QString &tag);
    static QString closeAttribute(BookFormat::Place place, const QString &name);
};

#endif // VOCABULARY_H
