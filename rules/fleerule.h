#ifndef FLEERULE_H
#define FLEERULE_H

#include <QString>

// The flight rule of the paragraph where a fight takes place: the combat dialog offers
// flight when `round` is 1, and `ref` is where the hero lands after fleeing.
struct FleeRule {
    bool offersFlight() const { return round == 1; }

    bool penalty = false;
    int round = 0;
    QString ref;
};

#endif // FLEERULE_H
