#ifndef FIGHT_H
#define FIGHT_H

#include "combatitem.h"
#include "dicesource.h"
#include "fleerule.h"

#include <optional>

class Character;
class Opponent;

// One fight, round by round: a press rolls the monster's attack strength, the next the
// hero's, and the round is decided; the loser of a round loses some ENDURANCE. The fight is
// over when a fighter dies or the hero flees.
class Fight {
public:
    // What the loser of a round loses of ENDURANCE.
    static constexpr int damage = 2;

    enum class Round { HeroHits, HeroKills, MonsterHits, MonsterKills, Blocked };
    // How the fight ended, tested in this order: a hero at 0 ENDURANCE or below is beaten
    // even when the monster died too.
    enum class Outcome { Fled, Defeat, Undecided, Victory };

    // What one press rolled and decided.
    struct Press {
        DiceSource::Pair dice;
        int monsterStrength = 0;
        int heroStrength = 0; // 0 until the hero has rolled in this round
        std::optional<Round> round; // set once the hero's roll decided the round
    };

    // The hero and the opponent stay the caller's and must outlive the fight.
    Fight(Character *hero, Opponent *opponent, const CombatItem &weapon, const CombatItem &armour,
          const FleeRule &fleeRule, DiceSource *dice);

    const Character *hero() const;
    const Opponent *opponent() const;
    // The weapon's and the armour's HABILETE bonuses, added to the hero's attack strength only.
    int bonus() const;
    // Flight is offered during the fight when the paragraph's flight round is 1.
    bool offersFlight() const;
    // True between the monster's roll and the hero's.
    bool heroToRoll() const;

    Press attack();
    void flee();
    Outcome outcome() const;

private:
    Round decide(int heroStrength, int monsterStrength);

    Character *m_hero;
    Opponent *m_opponent;
    FleeRule m_fleeRule;
    DiceSource *m_dice;
    int m_bonus;
    // Whether the monster has rolled is kept apart from its strength, because any value,
    // 0 and below included, is a legal attack strength once rolled.
    std::optional<int> m_monsterStrength;
    bool m_fled = false;
};

#endif // FIGHT_H
