#ifndef RANDOMDICE_H
#define RANDOMDICE_H

#include "dicesource.h"

// The runtime's generator, rand() % 6 + 1 per die, so that srand(seed) replays every die
// of an adventure.
class RandomDice : public DiceSource {
public:
    int nextFace() override;

    // The one the windows draw from when no other source is given.
    static RandomDice &shared();
};

#endif // RANDOMDICE_H
