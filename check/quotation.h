#ifndef QUOTATION_H
#define QUOTATION_H

#include <QString>

// A value from a book, quoted for a one-line message in French guillemets: line breaks
// shown as \n and a long value cut, so that a hostile book cannot flood the report or
// break its lines.
QString quotation(const QString &value);

#endif // QUOTATION_H
