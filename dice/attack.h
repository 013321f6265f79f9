#ifndef ATTACK_H
#define ATTACK_H

#include "fight.h"

#include <QDialog>

class GameButton;
class Ui_Attack;

// The combat dialog: shows a fight as the game rolls and decides it, one press at a time,
// and closes on a death or a flight. The adventure window keeps one for all its fights and
// calls setupFight before each.
class Attack : public QDialog {
    Q_OBJECT

public:
    explicit Attack(QWidget *parent = nullptr);
    ~Attack() override;

    // The fight stays the caller's and must outlive the dialog's run.
    void setupFight(Fight *fight);

private Q_SLOTS:
    void CalculateFA();
    void fleeBattle(bool);

private:
    void resolveRound(Fight::Round round);
    void startRound();
    void showBonus();
    void placeButtons();

    Ui_Attack *ui;
    GameButton *fleeButton;
    GameButton *attackButton;
    Fight *fight = nullptr;
};

#endif // ATTACK_H
