#ifndef GAMEOBJECT_H
#define GAMEOBJECT_H

#include <QString>

// An object found in a paragraph or carried by the hero. Type 1 is a weapon, 2 an armour.
struct GameObject {
    QString name;
    int type = 0;
    bool exchange = false;
    bool throwAway = false;
    int bonusHabilete = 0;
    int bonusEndurance = 0;
    int bonusChance = 0;
    int gold = 0;
    int food = 0;
    QString other;
};

#endif // GAMEOBJECT_H
