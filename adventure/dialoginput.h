#ifndef DIALOGINPUT_H
#define DIALOGINPUT_H

#include "readerinput.h"

#include <functional>

class Attack;

// Asks the reader through the dice dialog, the object-choice dialog and the combat dialog,
// each modal.
class DialogInput : public ReaderInput {
public:
    // Fights run in `attackDialog`; `clearPlayArea` empties the play area before a fight.
    DialogInput(Attack *attackDialog, std::function<void()> clearPlayArea);

    void keepRoll(const QString &title, DiceRoll &roll) override;
    ObjectPick pickObject(const QString &kind, const QList<CombatItem> &items) override;
    void fightBegins() override;
    void fight(Fight &fight) override;

private:
    Attack *attackDialog;
    std::function<void()> clearPlayArea;
};

#endif // DIALOGINPUT_H
