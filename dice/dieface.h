#ifndef DIEFACE_H
#define DIEFACE_H

#include <QPixmap>
#include <QString>

// The picture of a die face, read from the working directory so that it can be replaced
// without rebuilding. A missing file gives an empty picture and the roll counts all the same.
inline QPixmap dieFace(int face)
{
    return QPixmap(QStringLiteral("images/De-%1.png").arg(face));
}

#endif // DIEFACE_H
