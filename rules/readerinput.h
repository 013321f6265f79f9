#ifndef READERINPUT_H
#define READERINPUT_H

#include "combatitem.h"

#include <QList>
#include <QString>

class DiceRoll;
class Fight;

// What the game asks of the person playing: to look at a roll they may retry, to pick one
// object from a list, and to fight. The windows answer with dialogs, tests with scripted
// answers and the checker at random.
class ReaderInput {
public:
    // The reader's last selection in a list, and whether it was confirmed.
    struct ObjectPick {
        int selected = -1; // position in the list offered, -1 when nothing was selected
        bool validated = false;
    };

    virtual ~ReaderInput() = default;

    // Shows `roll` and lets the reader roll it again while it allows; the roll on show when
    // this returns is kept.
    virtual void keepRoll(const QString &title, DiceRoll &roll) = 0;
    // `kind` is the word naming what is picked: "arme", "armure" or "objet".
    virtual ObjectPick pickObject(const QString &kind, const QList<CombatItem> &items) = 0;
    // A fight is about to begin, before its weapon and armour are chosen: the screen that
    // offered it is over.
    virtual void fightBegins() { }
    // Presses in the fight until it is over or the reader leaves it.
    virtual void fight(Fight &fight) = 0;
};

#endif // READERINPUT_H
