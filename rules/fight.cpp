#include "fight.h"

#include "character.h"
#include "opponent.h"
#include "saturatedsum.h"

Fight::Fight(Character *hero, Opponent *opponent, const CombatItem &weapon, const CombatItem &armour,
             const FleeRule &fleeRule, DiceSource *dice)
    : m_hero(hero)
    , m_opponent(opponent)
    , m_fleeRule(fleeRule)
    , m_dice(dice)
    , m_bonus(saturatedSum(weapon.habileteBonus(), armour.habileteBonus()))
{
}

const Character *Fight::hero() const
{
    return m_hero;
}

const Opponent *Fight::opponent() const
{
    return m_opponent;
}

int Fight::bonus() const
{
    return m_bonus;
}

bool Fight::offersFlight() const
{
    return m_fleeRule.offersFlight();
}

bool Fight::heroToRoll() const
{
    return m_monsterStrength.has_value();
}

Fight::Press Fight::attack()
{
    m_fled = false;
    Press press;
    press.dice = m_dice->drawPair();
    const int roll = saturatedSum(press.dice.first, press.dice.second);
    if (!m_monsterStrength) {
        m_monsterStrength = saturatedSum(m_opponent->habilete(), roll);
        press.monsterStrength = *m_monsterStrength;
        return press;
    }
    press.monsterStrength = *m_monsterStrength;
    press.heroStrength = saturatedSum(roll, m_bonus, m_hero->habilete());
    press.round = decide(press.heroStrength, press.monsterStrength);
    m_monsterStrength.reset();
    return press;
}

Fight::Round Fight::decide(int heroStrength, int monsterStrength)
{
    if (heroStrength > monsterStrength) {
        m_opponent->changeEndurance(-damage);
        return m_opponent->endurance() <= 0 ? Round::HeroKills : Round::HeroHits;
    }
    if (monsterStrength > heroStrength) {
        m_hero->changeEndurance(-damage);
        return m_hero->endurance() <= 0 ? Round::MonsterKills : Round::MonsterHits;
    }
    return Round::Blocked;
}

void Fight::flee()
{
    m_fled = true;
}

Fight::Outcome Fight::outcome() const
{
    if (m_fled)
        return Outcome::Fled;
    if (m_hero->endurance() <= 0)
        return Outcome::Defeat;
    if (m_opponent->endurance() > 0)
        return Outcome::Undecided;
    return Outcome::Victory;
}
