#ifndef HARRINGTONFONT_H
#define HARRINGTONFONT_H

#include <QFont>
#include <QStringList>

// Every window asks for the "Harrington" family by name, its forms included. Where the host
// lacks it, Qt's font matching stands in; this points it at narrow serif faces first, so that
// captions sized for Harrington still fit their boxes. Called before a form is built.
inline void useHarringtonStandIns()
{
    static const bool standInsKnown = [] {
        QFont::insertSubstitutions(QStringLiteral("Harrington"),
                                   { QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"),
                                     QStringLiteral("DejaVu Serif Condensed") });
        return true;
    }();
    Q_UNUSED(standInsKnown)
}

// The "Harrington" family at `pointSize`; a size of 0 keeps the inherited size.
inline QFont harringtonFont(int pointSize = 0)
{
    useHarringtonStandIns();
    QFont font(QStringLiteral("Harrington"));
    font.setStyleHint(QFont::Serif);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    return font;
}

#endif // HARRINGTONFONT_H
