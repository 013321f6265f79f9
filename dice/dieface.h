#ifndef DIEFACE_H
#define DIEFACE_H

#include "datafolders.h"
#include "sharppixmap.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QString>

// The picture of a die face, a file so that it can be replaced without rebuilding: taken
// from images/ of the working folder when it is there, else of the data folders, the
// installed one last; its "@2x" twin on a screen of high density. A missing file gives an
// empty picture and the roll counts all the same.
inline QPixmap dieFace(int face)
{
    const QString path = DataFolders::firstFile(QStringLiteral("images/De-%1.png").arg(face));
    return path.isEmpty() ? QPixmap() : sharpPixmap(path);
}

// Shows the face on `label`, and names it for a screen reader, which sees no picture.
inline void showDieFace(QLabel *label, int face)
{
    label->setPixmap(dieFace(face));
    label->setAccessibleName(QCoreApplication::translate("LaunchDeuce", "Dé : %1").arg(face));
}

#endif // DIEFACE_H
