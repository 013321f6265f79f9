#ifndef SEEDEDDICE_H
#define SEEDEDDICE_H

#include "dicesource.h"

#include <QtGlobal>

#include <random>

// Dice of their own, apart from the runtime's rand(), so that a run of the checker gives
// the same dice for the same seed whatever else draws numbers.
class SeededDice : public DiceSource {
public:
    explicit SeededDice(quint32 seed);

    int nextFace() override;

private:
    std::mt19937 m_engine;
};

#endif // SEEDEDDICE_H
