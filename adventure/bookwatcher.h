#ifndef BOOKWATCHER_H
#define BOOKWATCHER_H

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Tells when a book file may have changed on disk, whether an editor writes it in place or
// renames a new file over it, which takes the old file out of any watch: the folder is
// watched too, and the file watched again. A burst of changes is told once, a moment after
// the last.
class BookWatcher : public QObject {
    Q_OBJECT

public:
    BookWatcher(const QString &path, QObject *parent);

Q_SIGNALS:
    void changed();

private:
    void noteChange();

    QString path;
    QFileSystemWatcher watcher;
    QTimer settling;
};

#endif // BOOKWATCHER_H
