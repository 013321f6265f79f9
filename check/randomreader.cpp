#include "randomreader.h"

#include "dicesource.h"

namespace {

// Every roll draws two dice, as the dice dialog does; a one-die roll drops the second.
int roll(int diceCount, DiceSource &dice)
{
    const DiceSource::Pair pair = dice.drawPair();
    return pair.first + (diceCount < 2 ? 0 : pair.second);
}

} // namespace

RandomReader::RandomReader(quint32 seed)
    : m_engine(seed)
{
}

int RandomReader::keptRoll(const QString &, int diceCount, int attempts, DiceSource &dice)
{
    int total = roll(diceCount, dice);
    for (int left = attempts; left > 0 && pick(2) == 0; --left)
        total = roll(diceCount, dice);
    return total;
}

ReaderInput::ObjectPick RandomReader::pickObject(const QString &, const QList<CombatItem> &items)
{
    ObjectPick answer;
    if (!items.isEmpty())
        answer.selected = pick(items.size());
    answer.validated = pick(4) != 0;
    return answer;
}

int RandomReader::pick(int count)
{
    return int(m_engine() % quint32(count));
}

bool RandomReader::fleesNow()
{
    return pick(16) == 0;
}
