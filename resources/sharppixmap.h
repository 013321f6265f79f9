#ifndef SHARPPIXMAP_H
#define SHARPPIXMAP_H

#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QString>

// The picture at `path` (a file or a resource), taken from its twice-as-large twin
// "name@2x.ext" on a screen of high density, so that it is drawn sharp rather than
// enlarged. Qt reads the "@2x" in the name and halves the picture's logical size, so both
// take the same room on screen. A missing picture gives a null pixmap.
inline QPixmap sharpPixmap(const QString &path)
{
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
        int dot = path.lastIndexOf(QLatin1Char('.'));
        if (dot <= path.lastIndexOf(QLatin1Char('/')))
            dot = path.size();
        QString doubled = path;
        doubled.insert(dot, QStringLiteral("@2x"));
        if (QFile::exists(doubled))
            return QPixmap(doubled);
    }
    return QPixmap(path);
}

#endif // SHARPPIXMAP_H
