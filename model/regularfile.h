#ifndef REGULARFILE_H
#define REGULARFILE_H

#include <QFile>

// Opens files that come from anywhere without letting them block or flood the program: only
// a regular file up to a size is opened, as judged on the descriptor once open, so that a
// file swapped for a pipe or a device between a look at its name and the read cannot block.
class RegularFile {
public:
    // Opens `file`, whose name is set, read-only with `mode`; false when it cannot be
    // opened, is not a regular file, or holds more than `maximumSize` bytes. Opened from a
    // descriptor, the file forgets its name: callers keep the path themselves.
    static bool open(QFile *file, qint64 maximumSize, QIODevice::OpenMode mode = QIODevice::ReadOnly);
};

#endif // REGULARFILE_H
