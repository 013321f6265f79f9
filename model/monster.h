#ifndef MONSTER_H
#define MONSTER_H

#include <QString>

// One adversary; `value` is the paragraph reached after beating it.
struct Monster {
    QString name;
    int habilete = 0;
    int endurance = 0;
    QString value;
};

#endif // MONSTER_H
