#ifndef SCRIPTEDINPUT_H
#define SCRIPTEDINPUT_H

#include "readerinput.h"

#include <QStringList>

// Answers the game as a test scripted: each roll is kept as first drawn, and each pick of an
// object is the next one queued (none left: nothing selected). Records what was asked.
class ScriptedInput : public ReaderInput {
public:
    int keptRoll(const QString &title, int diceCount, int attempts, DiceSource &dice) override;
    ObjectPick pickObject(const QString &kind, const QList<CombatItem> &items) override;

    QList<ObjectPick> picks;
    QStringList rollTitles;
    // Each pick asked: its kind, then the names offered.
    QList<QStringList> pickLists;
};

#endif // SCRIPTEDINPUT_H
