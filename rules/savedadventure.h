#ifndef SAVEDADVENTURE_H
#define SAVEDADVENTURE_H

#include "adventuresnapshot.h"

#include <QByteArray>
#include <QString>

// An adventure saved: the book it is played in, with a hash of the book's bytes to tell
// whether it changed since, and all the adventure held between two presses, as the JSON of
// a save file. A save is untrusted input, read back only within the bounds of what the
// game itself can hold.
struct SavedAdventure {
    // Past these a save is refused: the game never comes near them, and they keep what a
    // hostile file can make the player build small.
    static constexpr int maximumObjects = 10000;
    static constexpr int maximumVisits = 200000;
    static constexpr int maximumActions = 200;
    static constexpr int maximumRow = 1000;

    QByteArray toJson() const;
    // Reads what toJson writes; false for anything else, with `error` saying in French what
    // is wrong.
    static bool fromJson(const QByteArray &json, SavedAdventure *saved, QString *error);

    QString bookPath;
    QString bookHash;
    AdventureSnapshot snapshot;
};

#endif // SAVEDADVENTURE_H
