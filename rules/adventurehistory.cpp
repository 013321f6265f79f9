#include "adventurehistory.h"

#include <algorithm>

namespace {

constexpr int droppedAtOnce = 1000;

bool sameMonster(const Monster &one, const Monster &other)
{
    return one.name == other.name && one.habilete == other.habilete && one.endurance == other.endurance &&
        one.value == other.value;
}

// Of all a screen shows, so that screens of the same text but other buttons, as a book's
// paragraphs may be, fall apart.
uint hashOf(const PlayAreaContent &screen)
{
    uint hash = qHash(screen.text) ^ uint(screen.shows) ^ (uint(screen.textSpan) << 4);
    for (const PlayAction &action : screen.actions) {
        hash = hash * 31 +
            (qHash(action.caption) ^ qHash(action.target, uint(action.kind)) ^ uint(action.row << 8) ^
             uint(action.column << 4) ^ uint(action.enabled));
    }
    for (const Monster &monster : screen.monsters)
        hash =
            hash * 31 + (qHash(monster.name) ^ qHash(monster.value) ^ uint(monster.habilete) ^ uint(monster.endurance));
    for (const QString &note : screen.notes)
        hash = hash * 31 + qHash(note);
    return hash;
}

// Whatever number the screens had when shown.
bool sameScreen(const PlayAreaContent &one, const PlayAreaContent &other)
{
    return one.shows == other.shows && one.text == other.text && one.textSpan == other.textSpan &&
        one.notes == other.notes && one.actions == other.actions &&
        std::equal(one.monsters.cbegin(), one.monsters.cend(), other.monsters.cbegin(), other.monsters.cend(),
                   sameMonster);
}

} // namespace

AdventureHistory::AdventureHistory(const AdventureSnapshot &snapshot)
    : m_inventories(snapshot.inventories)
    , m_screens(snapshot.screens)
    , m_moments(snapshot.moments)
    , m_current(snapshot.current)
{
    indexScreens();
}

void AdventureHistory::indexScreens()
{
    for (int index = 0; index < m_screens.size(); ++index)
        m_screensByHash.insert(hashOf(m_screens.at(index)), index);
}

void AdventureHistory::fill(AdventureSnapshot *snapshot) const
{
    snapshot->inventories = m_inventories;
    snapshot->screens = m_screens;
    snapshot->moments = m_moments;
    snapshot->current = m_current;
}

bool AdventureHistory::isEmpty() const
{
    return m_moments.isEmpty();
}

int AdventureHistory::size() const
{
    return m_moments.size();
}

int AdventureHistory::current() const
{
    return m_current;
}

const Moment &AdventureHistory::moment(int index) const
{
    return m_moments.at(index);
}

const Inventory &AdventureHistory::inventory(int index) const
{
    return m_inventories.at(index);
}

const PlayAreaContent &AdventureHistory::screen(int index) const
{
    return m_screens.at(index);
}

int AdventureHistory::keepInventory(const Inventory &inventory)
{
    m_inventories.append(inventory);
    return m_inventories.size() - 1;
}

int AdventureHistory::keepScreen(const PlayAreaContent &screen)
{
    const uint hash = hashOf(screen);
    for (auto kept = m_screensByHash.constFind(hash); kept != m_screensByHash.cend() && kept.key() == hash; ++kept) {
        if (sameScreen(m_screens.at(kept.value()), screen))
            return kept.value();
    }
    PlayAreaContent unnumbered = screen;
    unnumbered.showing = 0;
    m_screens.append(unnumbered);
    m_screensByHash.insert(hash, m_screens.size() - 1);
    return m_screens.size() - 1;
}

void AdventureHistory::record(const Moment &moment)
{
    // Only when there are moments to drop: vectors shared with a save being written would
    // otherwise be copied.
    if (m_current + 1 < m_moments.size())
        m_moments.resize(m_current + 1);
    if (m_moments.size() >= maximumMoments) {
        m_moments.remove(0, droppedAtOnce);
        m_current -= droppedAtOnce;
    }
    m_moments.append(moment);
    m_current = m_moments.size() - 1;
}

void AdventureHistory::replaceCurrent(const Moment &moment)
{
    m_moments[m_current] = moment;
}

void AdventureHistory::setCurrent(int index)
{
    m_current = index;
}
