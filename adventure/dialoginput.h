#ifndef DIALOGINPUT_H
#define DIALOGINPUT_H

#include "readerinput.h"

// Asks the reader through the dice dialog and the object-choice dialog, each modal.
class DialogInput : public ReaderInput {
public:
    int keptRoll(const QString &title, int diceCount, int attempts, DiceSource &dice) override;
    ObjectPick pickObject(const QString &kind, const QList<CombatItem> &items) override;
};

#endif // DIALOGINPUT_H
