#include "scriptedinput.h"

#include "dicesource.h"

int ScriptedInput::keptRoll(const QString &title, int diceCount, int, DiceSource &dice)
{
    rollTitles.append(title);
    return dice.drawRoll(diceCount).total();
}

ReaderInput::ObjectPick ScriptedInput::pickObject(const QString &kind, const QList<CombatItem> &items)
{
    QStringList asked { kind };
    for (const CombatItem &item : items)
        asked.append(item.name());
    pickLists.append(asked);
    return picks.isEmpty() ? ObjectPick() : picks.takeFirst();
}
