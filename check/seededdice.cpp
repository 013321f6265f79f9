#include "seededdice.h"

SeededDice::SeededDice(quint32 seed)
    : m_engine(seed)
{
}

// The generator's output is fixed by the standard, unlike its distributions, so a seed
// gives the same faces with every compiler.
int SeededDice::nextFace()
{
    return int(m_engine() % 6) + 1;
}
