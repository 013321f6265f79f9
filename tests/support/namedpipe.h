#ifndef NAMEDPIPE_H
#define NAMEDPIPE_H

#include <QString>

// A pipe with a name among the files, which blocks whoever opens it to read until a writer
// comes: what the player must never open as a book, a picture or a save.
class NamedPipe {
public:
    // Makes one at `path` with the system's mkfifo command; false when it cannot.
    static bool make(const QString &path);
};

#endif // NAMEDPIPE_H
