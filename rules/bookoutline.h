#ifndef BOOKOUTLINE_H
#define BOOKOUTLINE_H

#include "paragraph.h"

#include <QMap>
#include <QSet>
#include <QString>

struct Exploration;

// What the library counts in a book as it is now: its paragraphs and, among them, its
// endings ("X" or "V") and victories ("V").
struct BookOutline {
    // The reader's exploration counted against the book: paragraphs and endings that are no
    // longer in it do not count.
    struct Progress {
        int paragraphs = 0;
        int read = 0;
        int endings = 0;
        int endingsFound = 0;
        int victoriesFound = 0;
        // The part read, rounded to the nearest whole percent.
        int readPercent() const;
    };

    static BookOutline of(const QMap<QString, Paragraph> &paragraphs);
    Progress progressOf(const Exploration &exploration) const;

    // False when the book cannot be opened or read; it then has no paragraphs.
    bool readable = false;
    QSet<QString> paragraphs;
    QSet<QString> endings;
    QSet<QString> victories;
};

#endif // BOOKOUTLINE_H
