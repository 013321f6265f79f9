#include "bookwatcher.h"

#include "regularfile.h"

#include <QFileInfo>

namespace {

// Editors write in several steps; the book is read once they are done.
constexpr int settlingMilliseconds = 300;

} // namespace

BookWatcher::BookWatcher(const QString &path, QObject *parent)
    : QObject(parent)
    , path(path)
    , lastStamp(RegularFile::stamp(path))
{
    watcher.addPath(QFileInfo(path).absolutePath());
    watcher.addPath(path);
    settling.setSingleShot(true);
    settling.setInterval(settlingMilliseconds);
    connect(&watcher, &QFileSystemWatcher::fileChanged, this, &BookWatcher::noteChange);
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, &BookWatcher::noteChange);
    connect(&settling, &QTimer::timeout, this, &BookWatcher::tellChange);
}

void BookWatcher::noteChange()
{
    if (!watcher.files().contains(path) && QFileInfo::exists(path))
        watcher.addPath(path);
    settling.start();
}

// Other files of the folder change too, and editors touch files without changing them.
void BookWatcher::tellChange()
{
    const QByteArray current = RegularFile::stamp(path);
    if (current == lastStamp)
        return;
    lastStamp = current;
    Q_EMIT changed();
}
