#include "randomreader.h"

#include "diceroll.h"
#include "fight.h"

RandomReader::RandomReader(quint32 seed)
    : m_engine(seed)
{
}

void RandomReader::keepRoll(const QString &, DiceRoll &roll)
{
    while (roll.attemptsLeft() > 0 && pick(2) == 0)
        roll.rollAgain();
}

ReaderInput::ObjectPick RandomReader::pickObject(const QString &, const QList<CombatItem> &items)
{
    ObjectPick answer;
    if (!items.isEmpty())
        answer.selected = pick(items.size());
    answer.validated = pick(4) != 0;
    return answer;
}

void RandomReader::fight(Fight &fight)
{
    for (int press = 0; fight.outcome() == Fight::Outcome::Undecided && press < maximumFightPresses; ++press) {
        if (fight.offersFlight() && pick(16) == 0) {
            fight.flee();
            return;
        }
        fight.attack();
        ++m_fightPresses;
    }
}

int RandomReader::pick(int count)
{
    return int(m_engine() % quint32(count));
}

int RandomReader::takeFightPresses()
{
    const int presses = m_fightPresses;
    m_fightPresses = 0;
    return presses;
}
