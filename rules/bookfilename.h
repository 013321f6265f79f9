#ifndef BOOKFILENAME_H
#define BOOKFILENAME_H

#include <QString>

// The name under which the player keeps a file about one book in its data folder: the
// book's name, kept readable, then a hash of its full path, so that two books of the same
// name in different folders have files of their own.
QString bookFileName(const QString &bookPath);

#endif // BOOKFILENAME_H
