#ifndef SCRIPTEDINPUT_H
#define SCRIPTEDINPUT_H

#include "readerinput.h"

#include <QStringList>

// Answers the game as a test scripted: each roll is kept as first drawn, each pick of an
// object is the next one queued (none left: the standing pick, by default nothing), and each fight is left at
// once, fled or fought to its end. Records what was asked.
class ScriptedInput : public ReaderInput {
public:
    enum class InFight { Leave, Flee, FightToTheEnd };

    void keepRoll(const QString &title, DiceRoll &roll) override;
    ObjectPick pickObject(const QString &kind, const QList<CombatItem> &items) override;
    void fight(Fight &fight) override;

    QList<ObjectPick> picks;
    ObjectPick pickWhenNoneQueued;
    InFight inFight = InFight::Leave;
    QStringList rollTitles;
    // Each pick asked: its kind, then the names offered.
    QList<QStringList> pickLists;
    QList<int> fightBonuses;
};

#endif // SCRIPTEDINPUT_H
