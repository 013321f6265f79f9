#ifndef HARRINGTONFONT_H
#define HARRINGTONFONT_H

#include <QFont>

// Every window asks for the "Harrington" family by name; where the host lacks it, Qt's
// font matching picks the closest family. A size of 0 keeps the inherited size.
inline QFont harringtonFont(int pointSize = 0)
{
    QFont font(QStringLiteral("Harrington"));
    if (pointSize > 0)
        font.setPointSize(pointSize);
    return font;
}

#endif // HARRINGTONFONT_H
