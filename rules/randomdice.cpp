#include "randomdice.h"

#include "rolldice.h"

int RandomDice::nextFace()
{
    return rollDice(1);
}

RandomDice &RandomDice::shared()
{
    static RandomDice dice;
    return dice;
}
