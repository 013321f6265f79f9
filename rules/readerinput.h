#ifndef READERINPUT_H
#define READERINPUT_H

#include "combatitem.h"

#include <QList>
#include <QString>

class DiceSource;

// What the game asks of the person playing: to look at a roll they may retry, and to pick
// one object from a list. The windows answer with dialogs, tests with scripted answers and
// the checker at random.
class ReaderInput {
public:
    // The reader's last selection in a list, and whether it was confirmed.
    struct ObjectPick {
        int selected = -1; // position in the list offered, -1 when nothing was selected
        bool validated = false;
    };

    virtual ~ReaderInput() = default;

    // Rolls `diceCount` dice (1 or 2) from `dice`, letting the reader roll again up to
    // `attempts` times; returns the total of the roll kept.
    virtual int keptRoll(const QString &title, int diceCount, int attempts, DiceSource &dice) = 0;
    // `kind` is the word naming what is picked: "arme", "armure" or "objet".
    virtual ObjectPick pickObject(const QString &kind, const QList<CombatItem> &items) = 0;
};

#endif // READERINPUT_H
