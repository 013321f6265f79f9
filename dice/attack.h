#ifndef ATTACK_H
#define ATTACK_H

#include <QDialog>

class Character;
class CombatItem;
class GameButton;
class Opponent;
class Ui_Attack;
struct FleeRule;

// The combat dialog. One press rolls the monster's attack strength, the next the hero's,
// and the round is decided: the loser loses 2 ENDURANCE. It closes on a death or a flight.
// The adventure window keeps one for all its fights and calls setupFight before each.
class Attack : public QDialog {
    Q_OBJECT

public:
    explicit Attack(QWidget *parent = nullptr);
    ~Attack() override;

    // The fighters and records stay the caller's and must outlive the fight.
    void setupFight(Character *hero, Opponent *opponent, CombatItem *weapon, CombatItem *armour, FleeRule *fleeRule);
    bool hasFled() const;

private Q_SLOTS:
    void CalculateFA();
    void fleeBattle(bool);

private:
    void resolveRound(int heroStrength, int monsterStrength);
    void startRound();
    void showBonus();
    void placeButtons();

    Ui_Attack *ui;
    GameButton *fleeButton;
    GameButton *attackButton;
    Character *hero = nullptr;
    Opponent *opponent = nullptr;
    CombatItem *weapon = nullptr;
    CombatItem *armour = nullptr;
    FleeRule *fleeRule = nullptr;
    int bonus = 0;
    // Whether each side has rolled is kept apart from the strengths, because any value,
    // 0 and below included, is a legal attack strength once rolled.
    int heroAttackStrength = 0;
    int monsterAttackStrength = 0;
    bool monsterHasRolled = false;
    bool fled = false;
};

#endif // ATTACK_H
