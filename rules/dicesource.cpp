#include "dicesource.h"

DiceSource::Pair DiceSource::drawPair()
{
    Pair pair;
    pair.first = nextFace();
    pair.second = nextFace();
    return pair;
}

DiceSource::Pair DiceSource::drawRoll(int diceCount)
{
    Pair pair = drawPair();
    if (diceCount < 2)
        pair.second = 0;
    return pair;
}
