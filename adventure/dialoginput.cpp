#include "dialoginput.h"

#include "inventorychoice.h"
#include "launchdeuce.h"

int DialogInput::keptRoll(const QString &title, int diceCount, int attempts, DiceSource &dice)
{
    return LaunchDeuce::launch(title, diceCount, attempts, dice);
}

ReaderInput::ObjectPick DialogInput::pickObject(const QString &kind, const QList<CombatItem> &items)
{
    // The dialog offers the caller's items and reports the one chosen by its address.
    QList<CombatItem> offered = items;
    QList<CombatItem *> pointers;
    for (CombatItem &item : offered)
        pointers.append(&item);
    InventoryChoice dialog;
    dialog.setItems(kind, pointers);
    ObjectPick pick;
    pick.validated = dialog.exec() > 0;
    pick.selected = pointers.indexOf(dialog.chosenItem());
    return pick;
}
