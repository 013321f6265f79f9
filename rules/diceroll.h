#ifndef DICEROLL_H
#define DICEROLL_H

#include "dicesource.h"

// A roll of one or two dice that the reader may roll again a limited number of times; the
// roll on show when the reader stops is the one kept, and an earlier, better one is lost.
// Every roll draws two dice, first then second, and a one-die roll sets the second to 0.
class DiceRoll {
public:
    // Rolls at once. Counts below 1 roll one die and above 2 roll two, so there is always
    // a roll to show.
    DiceRoll(DiceSource *dice, int diceCount, int attempts);

    int diceCount() const;
    const DiceSource::Pair &faces() const;
    int total() const;
    int attemptsLeft() const;
    // Uses an attempt to roll again; false, rolling nothing, when none is left.
    bool rollAgain();

private:
    void roll();

    DiceSource *m_dice;
    int m_diceCount;
    int m_attemptsLeft;
    DiceSource::Pair m_faces;
};

#endif // DICEROLL_H
