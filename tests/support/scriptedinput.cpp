#include "scriptedinput.h"

#include "fight.h"

void ScriptedInput::keepRoll(const QString &title, DiceRoll &)
{
    rollTitles.append(title);
}

ReaderInput::ObjectPick ScriptedInput::pickObject(const QString &kind, const QList<CombatItem> &items)
{
    QStringList asked { kind };
    for (const CombatItem &item : items)
        asked.append(item.name());
    pickLists.append(asked);
    return picks.isEmpty() ? pickWhenNoneQueued : picks.takeFirst();
}

void ScriptedInput::fight(Fight &fight)
{
    fightBonuses.append(fight.bonus());
    if (inFight == InFight::Flee)
        fight.flee();
    for (int press = 0;
         inFight == InFight::FightToTheEnd && fight.outcome() == Fight::Outcome::Undecided && press < 1000; ++press)
        fight.attack();
}
