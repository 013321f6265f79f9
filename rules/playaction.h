#ifndef PLAYACTION_H
#define PLAYACTION_H

#include <QString>

// One button of the play area: what a press does, its caption, the paragraph it leads to
// (where it leads somewhere), its cell in the play area's grid, and whether it can be
// pressed now (a meal is offered once each time its paragraph is shown).
struct PlayAction {
    enum class Kind { Meal, Luck, Attack, Flee, Choice, End };

    Kind kind = Kind::End;
    QString caption;
    QString target;
    int row = 0;
    int column = 0;
    bool enabled = true;

    bool operator==(const PlayAction &other) const
    {
        return kind == other.kind && caption == other.caption && target == other.target && row == other.row &&
            column == other.column && enabled == other.enabled;
    }
    bool operator!=(const PlayAction &other) const { return !(*this == other); }
};

#endif // PLAYACTION_H
