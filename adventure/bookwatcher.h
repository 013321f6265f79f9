#ifndef BOOKWATCHER_H
#define BOOKWATCHER_H

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Tells when a book file has changed on disk, whether an editor writes it in place or
// renames a new file over it, which takes the old file out of any watch: the folder is
// watched too, and the file watched again. A burst of changes is told once, a moment after
// the last, and only when the file is another than the one last told of.
class BookWatcher : public QObject {
    Q_OBJECT

public:
    // Watches the file at `path` as it is now.
    BookWatcher(const QString &path, QObject *parent);

Q_SIGNALS:
    void changed();

private:
    void noteChange();
    void tellChange();
    QString path;
    QByteArray lastStamp;
    QFileSystemWatcher watcher;
    QTimer settling;
};

#endif // BOOKWATCHER_H
