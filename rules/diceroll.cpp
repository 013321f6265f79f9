#include "diceroll.h"

#include <algorithm>

DiceRoll::DiceRoll(DiceSource *dice, int diceCount, int attempts)
    : m_dice(dice)
    , m_diceCount(std::clamp(diceCount, 1, 2))
    , m_attemptsLeft(std::max(attempts, 0))
{
    roll();
}

int DiceRoll::diceCount() const
{
    return m_diceCount;
}

const DiceSource::Pair &DiceRoll::faces() const
{
    return m_faces;
}

int DiceRoll::total() const
{
    return m_faces.total();
}

int DiceRoll::attemptsLeft() const
{
    return m_attemptsLeft;
}

bool DiceRoll::rollAgain()
{
    if (m_attemptsLeft <= 0)
        return false;
    --m_attemptsLeft;
    roll();
    return true;
}

void DiceRoll::roll()
{
    m_faces = m_dice->drawPair();
    if (m_diceCount < 2)
        m_faces.second = 0;
}
