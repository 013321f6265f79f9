#ifndef DIEFACE_H
#define DIEFACE_H

#include "sharppixmap.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QString>

// The picture of a die face, read from the working directory so that it can be replaced
// without rebuilding; its "@2x" twin on a screen of high density. A missing file gives an
// empty picture and the roll counts all the same.
inline QPixmap dieFace(int face)
{
    return sharpPixmap(QStringLiteral("images/De-%1.png").arg(face));
}

// Shows the face on `label`, and names it for a screen reader, which sees no picture.
inline void showDieFace(QLabel *label, int face)
{
    label->setPixmap(dieFace(face));
    label->setAccessibleName(QCoreApplication::translate("LaunchDeuce", "Dé : %1").arg(face));
}

#endif // DIEFACE_H
