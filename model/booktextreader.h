#ifndef BOOKTEXTREADER_H
#define BOOKTEXTREADER_H

#include <QString>

class QFile;

// Reads a book file only as far as the book list needs: a first few kilobytes, where books
// name themselves, and more only while the title is not complete. A file of any size is
// neither held in memory nor read beyond its title.
//
// The outcome equals what reading the whole file in text mode would give: carriage returns
// dropped, the text decoded as UTF-8 up to its first NUL byte; the text is unusable when
// empty or a single line feed; the kept text starts at the first `Title="` and runs through
// the next double quote (or to the end of the text), so the title taken from it is the
// whole-file title. Only a title longer than maximumTitleBytes is cut there, because the
// list has no use for megabytes of title.
class BookTextReader {
public:
    static constexpr int maximumTitleBytes = 64 * 1024;
    // Small enough to cost little more than opening the file, large enough for the first
    // lines of a book.
    static constexpr int firstReadBytes = 4 * 1024;
    // The size of every later read, for a title far into the file or a file without one.
    static constexpr int laterReadBytes = 64 * 1024;

    // Reads the file, open in raw mode: the carriage returns are dropped here, only from
    // the bytes that matter, rather than byte by byte from all of them by Qt's text mode.
    // Returns false when its text is unusable; otherwise `text` holds the part of it from
    // the first `Title="` on, or no `Title="` when there is none.
    static bool read(QFile *file, QString *text);
};

#endif // BOOKTEXTREADER_H
