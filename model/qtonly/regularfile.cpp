#include "regularfile.h"

#include <QDateTime>
#include <QFileInfo>

// Without the system's own calls the file is judged by its name before it is opened, and
// once more open. Systems without POSIX calls keep no pipes among the files of a folder.
bool RegularFile::open(QFile *file, qint64 maximumSize, QIODevice::OpenMode mode)
{
    const QFileInfo named(file->fileName());
    if (!named.isFile() || named.size() > maximumSize || !file->open(mode | QIODevice::ReadOnly))
        return false;
    if (file->isSequential() || file->size() > maximumSize) {
        file->close();
        return false;
    }
    return true;
}

// Without an inode, a file renamed over the old one is told by its birth time, where the
// system keeps one, and by its other times, to the millisecond.
QByteArray RegularFile::stamp(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return QByteArray();
    QByteArray stamp = QByteArray::number(file.size());
    for (const QFileDevice::FileTime time :
         { QFileDevice::FileBirthTime, QFileDevice::FileModificationTime, QFileDevice::FileMetadataChangeTime })
        stamp += ' ' + QByteArray::number(file.fileTime(time).toMSecsSinceEpoch());
    return stamp;
}
