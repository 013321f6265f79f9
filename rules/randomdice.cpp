#include "randomdice.h"

#include "rolldice.h"

#include <cstdlib>

int RandomDice::nextFace()
{
    ++m_drawn;
    return rollDice(1);
}

DiceSource::Position RandomDice::position() const
{
    return { m_seed, m_drawn };
}

// Forward on the same seed draws only the dice between; otherwise the generator starts again
// from the seed.
void RandomDice::moveTo(const Position &position)
{
    if (!position.known() || position.drawn > maximumDrawn)
        return;
    if (position.seed != m_seed || position.drawn < m_drawn)
        seed(position.seed);
    for (; m_drawn < position.drawn; ++m_drawn)
        rand();
}

void RandomDice::seed(quint32 seed)
{
    srand(seed);
    m_seed = seed;
    m_drawn = 0;
}

RandomDice &RandomDice::shared()
{
    static RandomDice dice;
    return dice;
}
