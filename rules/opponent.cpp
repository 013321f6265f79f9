#include "opponent.h"

#include "stat.h"

Opponent::Opponent(int habilete, int endurance)
    : m_habilete(new Stat(habilete))
    , m_endurance(new Stat(endurance))
{
}

Opponent::~Opponent()
{
    delete m_habilete;
    delete m_endurance;
}

int Opponent::habilete() const
{
    return m_habilete->current();
}

int Opponent::endurance() const
{
    return m_endurance->current();
}

void Opponent::changeEndurance(int delta)
{
    addCapped(m_endurance, delta);
}
