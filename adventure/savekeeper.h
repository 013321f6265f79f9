#ifndef SAVEKEEPER_H
#define SAVEKEEPER_H

#include <QCoreApplication>
#include <QString>

class QWidget;

// Keeps a book's named saves within their number, asking the reader before the oldest go,
// and keeps its automatic save among them before another adventure takes its place.
class SaveKeeper {
    Q_DECLARE_TR_FUNCTIONS(SaveKeeper)

public:
    // True when a named save can be added: there is room, or the reader let the oldest go.
    static bool makeRoom(QWidget *parent, const QString &bookPath);
    // True once the automatic save, if there is one, is among the named saves; false, after
    // saying why, when it could not be moved or the reader kept every named save.
    static bool keepAutomatic(QWidget *parent, const QString &bookPath);
};

#endif // SAVEKEEPER_H
