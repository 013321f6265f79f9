#include "character.h"

#include "stat.h"

Character::Character(Stat *habilete, Stat *endurance, Stat *chance)
    : m_habilete(habilete)
    , m_endurance(endurance)
    , m_chance(chance)
{
}

int Character::habilete() const
{
    return m_habilete->current();
}

int Character::endurance() const
{
    return m_endurance->current();
}

int Character::chance() const
{
    return m_chance->current();
}

void Character::changeHabilete(int delta)
{
    addCapped(m_habilete, delta);
}

void Character::changeEndurance(int delta)
{
    addCapped(m_endurance, delta);
}

void Character::changeChance(int delta)
{
    addCapped(m_chance, delta);
}
