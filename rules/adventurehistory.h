#ifndef ADVENTUREHISTORY_H
#define ADVENTUREHISTORY_H

#include "adventuresnapshot.h"

#include <QMultiHash>
#include <QString>
#include <QVector>

// The moments an adventure went through, one per press, and the one it stands at: it can go
// back to any of them and forward again, until a new moment drops those ahead. Screens and
// carried objects are kept once, whatever the number of moments showing them, so that the
// history grows by a moment's few dozen bytes a press.
class AdventureHistory {
public:
    // Past this many moments the oldest go, a thousand at a time.
    static constexpr int maximumMoments = 100000;

    AdventureHistory() = default;
    // The history a snapshot holds, whose indices are valid.
    explicit AdventureHistory(const AdventureSnapshot &snapshot);
    void fill(AdventureSnapshot *snapshot) const;

    bool isEmpty() const;
    int size() const;
    int current() const;
    const Moment &moment(int index) const;
    const Inventory &inventory(int index) const;
    const PlayAreaContent &screen(int index) const;

    // Where a moment finds these: a new place for the carried objects, and the place of an
    // equal screen when one is kept already.
    int keepInventory(const Inventory &inventory);
    int keepScreen(const PlayAreaContent &screen);
    // Adds a moment after the current one, which it becomes, dropping those ahead.
    void record(const Moment &moment);
    void replaceCurrent(const Moment &moment);
    void setCurrent(int index);

private:
    void indexScreens();

    QVector<Inventory> m_inventories;
    QVector<PlayAreaContent> m_screens;
    QMultiHash<uint, int> m_screensByHash;
    QVector<Moment> m_moments;
    int m_current = -1;
};

#endif // ADVENTUREHISTORY_H
