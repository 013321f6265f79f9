#ifndef FLEERULE_H
#define FLEERULE_H

#include "paragraph.h"

#include <QString>

// The flight rule of a paragraph: a fight there offers flight when `round` is 1, and `ref`
// is where the hero lands after fleeing. The paragraph also offers its own flee button when
// its flight is active besides.
struct FleeRule {
    static FleeRule of(const Paragraph &paragraph)
    {
        return FleeRule { paragraph.fleeActive, paragraph.fleePenalty, paragraph.fleeRound, paragraph.fleeRef };
    }

    bool offersFlight() const { return round == 1; }
    bool offersFlightAtOnce() const { return active && offersFlight(); }

    bool active = false;
    bool penalty = false;
    int round = 0;
    QString ref;
};

#endif // FLEERULE_H
