#ifndef REGULARFILE_H
#define REGULARFILE_H

#include <QByteArray>
#include <QFile>
#include <QString>

// What the program asks of the operating system about the files it reads, in one place:
// posix/regularfile.cpp asks the system itself, qtonly/regularfile.cpp asks Qt alone on
// systems without POSIX calls.
class RegularFile {
public:
    // Opens files that come from anywhere without letting them block or flood the program:
    // only a regular file up to a size is opened, judged on the open file where the system
    // allows it, so that a file swapped for a pipe or a device between a look at its name
    // and the read cannot block. Opens `file`, whose name is set, read-only with `mode`;
    // false when it cannot be opened, is not a regular file, or holds more than
    // `maximumSize` bytes. The file may forget its name once open: callers keep the path.
    static bool open(QFile *file, qint64 maximumSize, QIODevice::OpenMode mode = QIODevice::ReadOnly);
    // What tells one version of the file at `path` from another, whether it was written in
    // place or replaced by another file: equal stamps are the same version. Empty when
    // there is no file.
    static QByteArray stamp(const QString &path);
};

#endif // REGULARFILE_H
