#ifndef ADVENTURESNAPSHOT_H
#define ADVENTURESNAPSHOT_H

#include "gameobject.h"
#include "playareacontent.h"

#include <QList>
#include <QString>
#include <QStringList>

// All an adventure holds between two presses, so that it can be saved and taken up again
// as it stood: the hero, gold and provisions, the carried objects, the paragraphs shown in
// their order, and the screen on show with its buttons.
struct AdventureSnapshot {
    struct Score {
        int initial = 0;
        int current = 0;
    };

    Score habilete;
    Score endurance;
    Score chance;
    int gold = 0;
    int provisions = 0;
    QList<GameObject> records;
    QStringList rows;
    QStringList visited;
    QString currentId;
    PlayAreaContent screen;
};

#endif // ADVENTURESNAPSHOT_H
