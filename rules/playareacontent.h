#ifndef PLAYAREACONTENT_H
#define PLAYAREACONTENT_H

#include "monster.h"
#include "playaction.h"

#include <QList>
#include <QString>
#include <QStringList>

// Everything the play area shows at one moment: a paragraph or the outcome of an action.
// The text sits in row 0 across `textSpan` columns, the monsters are described under it,
// and the actions are laid out below in the order they were made.
struct PlayAreaContent {
    QString text;
    int textSpan = 1;
    QList<Monster> monsters;
    // Lines written under the monsters, saying what a huge paragraph leaves unshown.
    QStringList notes;
    QList<PlayAction> actions;
};

#endif // PLAYAREACONTENT_H
