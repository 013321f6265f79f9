#ifndef FINDING_H
#define FINDING_H

#include <QString>

// One thing the checker tells an author about a book, at a place in its file. Line 0
// stands for the file as a whole; column 0 for the whole line. The code names the kind of
// finding in a few words that never change, so that programs can tell findings apart
// whatever the message says.
struct Finding {
    enum class Severity { Error, Warning };

    Severity severity = Severity::Error;
    int line = 0;
    int column = 0;
    QString code;
    QString message;
};

#endif // FINDING_H
