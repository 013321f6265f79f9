#ifndef SAVEDADVENTURE_H
#define SAVEDADVENTURE_H

#include "adventurehistory.h"
#include "adventuresnapshot.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class Adventure;

// An adventure saved: the book it is played in, with a hash of the book's bytes to tell
// whether it changed since, the save's name and date, and all the adventure holds, history
// included, as the JSON of a save file. A save is untrusted input, read back only within
// the bounds of what the game itself can hold. Saves of the first format, which held one
// moment and no history, are read as an adventure of one step.
struct SavedAdventure {
    // Past these a save is refused: the game never comes near them, and they keep what a
    // hostile file can make the player build small.
    static constexpr int maximumObjects = 10000;
    static constexpr int maximumVisits = 200000;
    static constexpr int maximumActions = 200;
    static constexpr int maximumRow = 1000;
    static constexpr int maximumSteps = AdventureHistory::maximumMoments;
    static constexpr int maximumNameLength = 1000;

    // The adventure as it now stands, in the book at `bookPath` whose text hashed to
    // `bookHash`, saved now under the default name; the adventure must have a step.
    static SavedAdventure of(const Adventure &adventure, const QString &bookPath, const QString &bookHash);

    QByteArray toJson() const;
    // Reads what toJson writes, or a save of the first format; false for anything else,
    // with `error` saying in French what is wrong.
    static bool fromJson(const QByteArray &json, SavedAdventure *saved, QString *error);

    // The moment on show and its paragraph; the snapshot must hold a moment.
    const Moment &currentMoment() const;
    QString currentParagraph() const;
    // "Paragraphe 042, 12/05/2025 21:04": the name a save is given unless the reader gives one.
    static QString defaultName(const QString &paragraph, const QDateTime &date);

    QString bookPath;
    QString bookHash;
    QString name;
    QDateTime savedAt;
    AdventureSnapshot snapshot;
};

#endif // SAVEDADVENTURE_H
