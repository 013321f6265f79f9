#ifndef PLAYAREACONTENT_H
#define PLAYAREACONTENT_H

#include "monster.h"
#include "playaction.h"

#include <QList>
#include <QString>
#include <QStringList>

// Everything the play area shows at one moment: a paragraph or what followed a press.
// The text sits in row 0 across `textSpan` columns, the monsters are described under it,
// and the actions are laid out below in the order they were made.
struct PlayAreaContent {
    enum class Shows {
        Paragraph,
        Outcome, // of a luck test, a flight or a victory: one button leads on
        Defeat,
        MissingParagraph, // a move to an id the book lacks: one button ends the adventure
        End // the adventure is over
    };

    Shows shows = Shows::Paragraph;
    QString text;
    int textSpan = 1;
    QList<Monster> monsters;
    // Lines written under the monsters, saying what a huge paragraph leaves unshown.
    QStringList notes;
    QList<PlayAction> actions;
    // Numbers the screens of an adventure: a press that leaves the screen on show, as a meal
    // does, keeps its number, so that a window changes the buttons in place.
    int showing = 0;
};

#endif // PLAYAREACONTENT_H
