#ifndef TEXTREPORT_H
#define TEXTREPORT_H

#include <QCoreApplication>

class BookCheck;
class PlayCoverage;
struct PlayReport;
class QTextStream;

// The report for people and editors: one line per finding in the form compilers use,
// FILE:LINE: erreur : message (or avertissement), then a summary of the book and of its
// random adventures, in French.
class TextReport {
    Q_DECLARE_TR_FUNCTIONS(TextReport)

public:
    // `verbose` names the paragraphs that random play never read.
    static void write(QTextStream &out, const BookCheck &book, bool verbose = false);

private:
    static void writePlay(QTextStream &out, const BookCheck &book, bool verbose);
    // What an ending's line adds: never reached, or reached only through seldom read paragraphs.
    static QString endingNote(const PlayCoverage &coverage, const PlayReport &report, const QString &ending);
};

#endif // TEXTREPORT_H
