#ifndef PARAGRAPH_H
#define PARAGRAPH_H

#include "choice.h"
#include "gameobject.h"
#include "lucktest.h"
#include "monster.h"

#include <QMap>
#include <QString>

// One paragraph of a book. The sub-maps are keyed "C1", "M1", "O1", ... and are read
// by number (see subMapKey), never in stored order, where "C10" would sort before "C2".
struct Paragraph {
    QString text;
    QString type;
    bool bonusActive = false;
    int bonusHabilete = 0;
    int bonusEndurance = 0;
    int bonusChance = 0;
    bool fleeActive = false;
    bool fleePenalty = false;
    int fleeRound = 0;
    QString fleeRef;
    QString monsterType;
    QMap<QString, Monster> monsters;
    LuckTest luck;
    QMap<QString, GameObject> objects;
    QMap<QString, Choice> choices;
};

// The key of entry `number` of a sub-map: subMapKey('C', 3) is "C3".
inline QString subMapKey(QChar prefix, int number)
{
    return prefix + QString::number(number);
}

#endif // PARAGRAPH_H
