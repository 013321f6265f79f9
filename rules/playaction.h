#ifndef PLAYACTION_H
#define PLAYACTION_H

#include <QString>

// One button of the play area: what a press does, its caption, the paragraph it leads to
// (where it leads somewhere) and its cell in the play area's grid.
struct PlayAction {
    enum class Kind { Meal, Luck, Attack, Flee, Choice, End };

    Kind kind = Kind::End;
    QString caption;
    QString target;
    int row = 0;
    int column = 0;
};

#endif // PLAYACTION_H
