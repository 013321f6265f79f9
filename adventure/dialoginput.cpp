#include "dialoginput.h"

#include "attack.h"
#include "inventorychoice.h"
#include "launchdeuce.h"

DialogInput::DialogInput(Attack *attackDialog, std::function<void()> clearPlayArea)
    : attackDialog(attackDialog)
    , clearPlayArea(std::move(clearPlayArea))
{
}

void DialogInput::keepRoll(const QString &title, DiceRoll &roll)
{
    LaunchDeuce::launch(title, roll);
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

// The fight's dialogs show over an empty play area rather than over buttons already gone.
void DialogInput::fightBegins()
{
    clearPlayArea();
}

void DialogInput::fight(Fight &fight)
{
    attackDialog->setupFight(&fight);
    attackDialog->exec();
}
