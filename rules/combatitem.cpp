#include "combatitem.h"

CombatItem::CombatItem(const QString &name, int habileteBonus, int enduranceBonus)
    : m_name(name)
    , m_habileteBonus(habileteBonus)
    , m_enduranceBonus(enduranceBonus)
{
}

QString CombatItem::name() const
{
    return m_name;
}

int CombatItem::habileteBonus() const
{
    return m_habileteBonus;
}

int CombatItem::enduranceBonus() const
{
    return m_enduranceBonus;
}
