#ifndef WAY_H
#define WAY_H

#include "paragraph.h"
#include "playareacontent.h"

#include <QList>
#include <QString>

// Where a press of a paragraph's button may lead: a choice to its target, a luck test to its
// lucky or unlucky outcome, a flight to the flee paragraph, a fight to the monster's victory
// paragraph or, fleeing, to the flee paragraph. The game follows these ways, and the map of
// a book draws them.
struct Way {
    enum class Kind { Choice, Lucky, Unlucky, Flight, Victory };

    // The ways of action `index` of `laid`, the paragraph's layout; none for a meal or an end.
    static QList<Way> of(const Paragraph &paragraph, const PlayAreaContent &laid, int index);

    Kind kind;
    QString target;
    QString label;
    // The part of the paragraph that names the target: "C2", "Lucky", "Unlucky", "Flee", "M1".
    QString part;
};

#endif // WAY_H
