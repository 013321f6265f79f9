#include "regularfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
