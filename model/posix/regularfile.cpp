#include "regularfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The times of a status, named by POSIX and by Apple's systems each their own way.
#ifdef __APPLE__
const timespec &modificationTime(const struct stat &status)
{
    return status.st_mtimespec;
}
const timespec &changeTime(const struct stat &status)
{
    return status.st_ctimespec;
}
#else
const timespec &modificationTime(const struct stat &status)
{
    return status.st_mtim;
}
const timespec &changeTime(const struct stat &status)
{
    return status.st_ctim;
}
#endif

QByteArray number(const timespec &time)
{
    return QByteArray::number(qlonglong(time.tv_sec)) + '.' + QByteArray::number(qlonglong(time.tv_nsec));
}

} // namespace

bool RegularFile::open(QFile *file, qint64 maximumSize, QIODevice::OpenMode mode)
{
    // Opening a pipe blocks until a writer comes, unless it is opened without blocking.
    const int descriptor =
        ::open(QFile::encodeName(file->fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return false;
    struct stat status;
    const bool regular = fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= maximumSize;
    const int flags = fcntl(descriptor, F_GETFL);
    if (!regular || flags < 0 || fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !file->open(descriptor, mode | QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
}

// A file renamed over the old one has another inode; one written in place has another
// modification time, and a change within the clock's resolution still moves the change time.
QByteArray RegularFile::stamp(const QString &path)
{
    struct stat status;
    if (stat(QFile::encodeName(path).constData(), &status) != 0)
        return QByteArray();
    return QByteArray::number(qulonglong(status.st_dev)) + ' ' + QByteArray::number(qulonglong(status.st_ino)) + ' ' +
        QByteArray::number(qlonglong(status.st_size)) + ' ' + number(modificationTime(status)) + ' ' +
        number(changeTime(status));
}
