#ifndef COMBATITEM_H
#define COMBATITEM_H

#include <QString>

// The weapon or the armour of a fight. Its HABILETE bonus adds to the hero's attack
// strength; its ENDURANCE bonus is carried along only.
class CombatItem {
public:
    CombatItem(const QString &name, int habileteBonus, int enduranceBonus);

    QString name() const;
    int habileteBonus() const;
    int enduranceBonus() const;

private:
    QString m_name;
    int m_habileteBonus;
    int m_enduranceBonus;
};

#endif // COMBATITEM_H
