#ifndef TEXTREPORT_H
#define TEXTREPORT_H

#include <QCoreApplication>

class BookCheck;
class QTextStream;

// The report for people and editors: one line per finding in the form compilers use,
// FILE:LINE: severity: message, then a summary of the book and of its random adventures.
class TextReport {
    Q_DECLARE_TR_FUNCTIONS(TextReport)

public:
    static void write(QTextStream &out, const BookCheck &book);

private:
    static void writePlay(QTextStream &out, const BookCheck &book);
};

#endif // TEXTREPORT_H
