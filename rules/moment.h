#ifndef MOMENT_H
#define MOMENT_H

#include "dicesource.h"

#include <QTypeInfo>

// One moment of an adventure, between two presses, as its history keeps it: the numbers of
// the sheet, and where the carried objects, the screen, the visits and the dice stood. The
// objects and the screen are kept once in the history, however many moments show them, so
// that a moment takes a few dozen bytes.
struct Moment {
    struct Score {
        int initial = 0;
        int current = 0;
    };

    Score habilete;
    Score endurance;
    Score chance;
    int gold = 0;
    int provisions = 0;
    int inventory = 0; // among the history's carried objects
    int screen = 0; // among the history's screens
    int visits = 0; // how many of the adventure's visits were made
    DiceSource::Position dice;
};

// Numbers only: a history of them is moved as one block.
Q_DECLARE_TYPEINFO(Moment, Q_MOVABLE_TYPE);

#endif // MOMENT_H
