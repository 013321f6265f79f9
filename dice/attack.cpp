#include "attack.h"

#include "character.h"
#include "combatitem.h"
#include "dieface.h"
#include "fleerule.h"
#include "gamebutton.h"
#include "opponent.h"
#include "rolldice.h"
#include "saturatedsum.h"
#include "ui_attack.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>

Attack::Attack(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::WindowMaximizeButtonHint);
    fleeButton = new GameButton(tr("Fuir"));
    attackButton = new GameButton(tr("Force d'Attaque MONSTRE"));
    ui = new Ui_Attack;
    ui->setupUi(this);
    connect(attackButton, &QPushButton::clicked, this, &Attack::CalculateFA);
    connect(fleeButton, &QPushButton::clicked, this, &Attack::fleeBattle);
}

Attack::~Attack()
{
    delete ui;
    delete fleeButton;
    delete attackButton;
}

void Attack::setupFight(Character *hero, Opponent *opponent, CombatItem *weapon, CombatItem *armour, FleeRule *fleeRule)
{
    this->hero = hero;
    this->opponent = opponent;
    this->weapon = weapon;
    this->armour = armour;
    this->fleeRule = fleeRule;
    bonus = saturatedSum(weapon->habileteBonus(), armour->habileteBonus());
    showBonus();
    ui->sb_EnduranceMonster->setValue(opponent->endurance());
    ui->sb_HabileteMonster->setValue(opponent->habilete());
    ui->sb_EndurancePerso->setValue(hero->endurance());
    ui->sb_HabiletePerso->setValue(hero->habilete());
    fled = false;
    startRound();
    placeButtons();
}

bool Attack::hasFled() const
{
    return fled;
}

void Attack::showBonus()
{
    if (bonus < 0)
        ui->lbl_Bonus->setText(tr("Malus : %1 de Force d'Attaque").arg(bonus));
    else
        ui->lbl_Bonus->setText(tr("Bonus : +%1 de Force d'Attaque").arg(bonus));
}

// Back to the monster's roll, with both strengths shown as 0.
void Attack::startRound()
{
    heroAttackStrength = 0;
    monsterAttackStrength = 0;
    monsterHasRolled = false;
    ui->sb_FAMonster->setValue(0);
    ui->sb_FAPerso->setValue(0);
    attackButton->setText(tr("Force d'Attaque MONSTRE"));
}

void Attack::placeButtons()
{
    ui->gridButton->addWidget(attackButton, 0, 0);
    if (fleeRule->round == 1) {
        ui->gridButton->addWidget(fleeButton, 1, 0);
        fleeButton->show();
    } else {
        ui->gridButton->removeWidget(fleeButton);
        fleeButton->hide();
    }
}

void Attack::CalculateFA()
{
    fled = false;
    const int firstDie = rollDice(1);
    const int secondDie = rollDice(1);
    ui->lbl_De1->setPixmap(dieFace(firstDie));
    ui->lbl_De2->setPixmap(dieFace(secondDie));
    if (!monsterHasRolled) {
        monsterAttackStrength = saturatedSum(opponent->habilete(), firstDie, secondDie);
        monsterHasRolled = true;
        ui->sb_FAMonster->setValue(monsterAttackStrength);
        attackButton->setText(tr("Force d'Attaque JOUEUR"));
        return;
    }
    heroAttackStrength = saturatedSum(firstDie, secondDie, bonus, hero->habilete());
    ui->sb_FAPerso->setValue(heroAttackStrength);
    attackButton->setText(tr("Force d'Attaque MONSTRE"));
    resolveRound(heroAttackStrength, monsterAttackStrength);
    startRound();
}

void Attack::resolveRound(int heroStrength, int monsterStrength)
{
    QString title;
    QString text;
    bool death = false;
    if (heroStrength > monsterStrength) {
        opponent->changeEndurance(-2);
        death = opponent->endurance() <= 0;
        title = death ? tr("Tué !") : tr("Touché !");
        text = death ? tr("Vous avez touché le monstre. Il s'effondre sans vie à vos pieds.")
                     : tr("Vous avez touché le monstre. Vous lui infligez 2 points de dégats.");
    } else if (monsterStrength > heroStrength) {
        hero->changeEndurance(-2);
        death = hero->endurance() <= 0;
        title = death ? tr("Tué !") : tr("Touché !");
        text = death ? tr("Le monstre vous a touché. Vous vous effondrez sans vie à ses pieds.")
                     : tr("Le monstre vous a touché. Il vous inflige 2 points de dégats.");
    } else {
        title = tr("Raté !");
        text = tr("Vous vous bloquez mutuellement vos attaques.");
    }
    QMessageBox::information(this, title, text, QMessageBox::Ok);
    if (death)
        close();
    ui->sb_EndurancePerso->setValue(hero->endurance());
    ui->sb_EnduranceMonster->setValue(opponent->endurance());
}

void Attack::fleeBattle(bool)
{
    fled = true;
    close();
}
