#ifndef RANDOMDICE_H
#define RANDOMDICE_H

#include "dicesource.h"

// The runtime's generator, rand() % 6 + 1 per die, so that srand(seed) replays every die
// of an adventure. It is seeded through seed() alone, which keeps the seed and counts the
// dice drawn since: that is the position an adventure steps back to.
class RandomDice : public DiceSource {
public:
    // Past this many dice, a position is not gone back to: replaying them would hold the
    // player for seconds. A real adventure draws a few thousand.
    static constexpr qint64 maximumDrawn = 100000000;

    int nextFace() override;
    Position position() const override;
    void moveTo(const Position &position) override;

    void seed(quint32 seed);

    // The one the windows draw from when no other source is given.
    static RandomDice &shared();

private:
    quint32 m_seed = 1; // the runtime's own seed until seed() is called
    qint64 m_drawn = 0;
};

#endif // RANDOMDICE_H
