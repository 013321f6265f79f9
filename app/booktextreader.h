#ifndef BOOKTEXTREADER_H
#define BOOKTEXTREADER_H

#include <QString>

class QFile;

// Reads a book file only as far as the book list needs, in fixed-size chunks, so that a
// file of any size is neither held in memory nor read further than its title.
//
// The outcome equals what reading the whole file would give: the text is decoded as UTF-8
// up to its first NUL byte; it is unusable when empty or a single line feed; the kept text
// starts at the first `Title="` and runs through the next double quote (or to the end of
// the text), so the title taken from it is the whole-file title. Only a title longer than
// maximumTitleBytes is cut there, because the list has no use for megabytes of title.
class BookTextReader {
public:
    static constexpr int maximumTitleBytes = 64 * 1024;

    // Reads the open file. Returns false when its text is unusable; otherwise `text`
    // holds the part of it from the first `Title="` on, or no `Title="` when there is none.
    static bool read(QFile *file, QString *text);
};

#endif // BOOKTEXTREADER_H
