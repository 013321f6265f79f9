#ifndef DATAFOLDER_H
#define DATAFOLDER_H

#include <QStandardPaths>
#include <QString>

// The player's folder among the user's data, $XDG_DATA_HOME/valdoriel (by default
// ~/.local/share/valdoriel). Nothing is written there unless the reader asks for it.
inline QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/valdoriel");
}

#endif // DATAFOLDER_H
