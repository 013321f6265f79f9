#include "rolldice.h"

#include "saturatedsum.h"

#include <cstdlib>

int rollDice(int count)
{
    int total = 0;
    for (int die = 0; die < count; ++die)
        total = saturatedSum(total, rand() % 6 + 1);
    return total;
}
