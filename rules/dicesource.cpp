#include "dicesource.h"

DiceSource::Pair DiceSource::drawPair()
{
    Pair pair;
    pair.first = nextFace();
    pair.second = nextFace();
    return pair;
}
