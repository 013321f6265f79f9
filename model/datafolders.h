#ifndef DATAFOLDERS_H
#define DATAFOLDERS_H

#include <QString>
#include <QStringList>

// Where the player looks for the books it lists and for its die faces, in this order: its
// working folder, so that it plays a copy of the repository or an author's project as it
// stands; the reader's own data folder and the system's, each with a valdoriel/ folder
// (XDG_DATA_HOME, then XDG_DATA_DIRS); last the data folder installed with the player. That
// one is found from the program's own folder, so that an installed tree works wherever it
// was installed or moved.
class DataFolders {
public:
    // The path `relativePath` (such as "Add-on") in each of those places, in order, whether
    // it exists or not.
    static QStringList paths(const QString &relativePath);
    // The first of those paths that is a file; empty when none is.
    static QString firstFile(const QString &relativePath);
    // The data folder installed beside the program, whether it exists or not; empty before
    // the application object is made.
    static QString installed();
};

#endif // DATAFOLDERS_H
