#ifndef ROLLDICE_H
#define ROLLDICE_H

// The sum of `count` six-sided dice, each rand() % 6 + 1. A count below 1 gives 0 and
// draws nothing, so callers that replay a seed know exactly how many draws each roll takes.
int rollDice(int count);

#endif // ROLLDICE_H
