#ifndef ADVENTURESNAPSHOT_H
#define ADVENTURESNAPSHOT_H

#include "inventory.h"
#include "moment.h"
#include "playareacontent.h"

#include <QStringList>
#include <QVector>

// All an adventure holds, so that it can be saved and taken up again as it stood, its
// history included: the paragraphs shown in their order, the carried objects and the
// screens its moments show, each kept once, and its moments, one of which is on show.
struct AdventureSnapshot {
    QStringList visited;
    QVector<Inventory> inventories;
    QVector<PlayAreaContent> screens;
    QVector<Moment> moments;
    int current = 0;
    // Stepping back leaves the dice as they are, for fresh rolls.
    bool freshDiceOnReturn = false;
};

#endif // ADVENTURESNAPSHOT_H
