#ifndef HARRINGTONFONT_H
#define HARRINGTONFONT_H

#include <QFont>
#include <QStringList>

// Every window asks for the "Harrington" family by name. Where the host lacks it, Qt's font
// matching stands in; it is pointed at narrow serif faces first, so that captions sized
// for Harrington still fit their boxes. A size of 0 keeps the inherited size.
inline QFont harringtonFont(int pointSize = 0)
{
    static const bool substitutesKnown = [] {
        QFont::insertSubstitutions(QStringLiteral("Harrington"),
                                   { QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"),
                                     QStringLiteral("DejaVu Serif Condensed") });
        return true;
    }();
    Q_UNUSED(substitutesKnown)
    QFont font(QStringLiteral("Harrington"));
    font.setStyleHint(QFont::Serif);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    return font;
}

#endif // HARRINGTONFONT_H
