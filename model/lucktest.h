#ifndef LUCKTEST_H
#define LUCKTEST_H

#include "luckoutcome.h"

// The luck test of a paragraph. Whether it is offered depends on the type codes, not on `active`.
struct LuckTest {
    bool active = false;
    LuckOutcome lucky;
    LuckOutcome unlucky;
};

#endif // LUCKTEST_H
