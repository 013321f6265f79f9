#include "attack.h"

#include "character.h"
#include "dieface.h"
#include "gamebutton.h"
#include "harringtonfont.h"
#include "opponent.h"
#include "sharppixmap.h"
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
    useHarringtonStandIns();
    ui->setupUi(this);
    ui->Img_Perso->setPixmap(sharpPixmap(QStringLiteral(":/images/Personnage1.jpg")));
    ui->Img_Monster->setPixmap(sharpPixmap(QStringLiteral(":/images/Monstre1.jpg")));
    connect(attackButton, &QPushButton::clicked, this, &Attack::CalculateFA);
    connect(fleeButton, &QPushButton::clicked, this, &Attack::fleeBattle);
}

Attack::~Attack()
{
    delete ui;
    delete fleeButton;
    delete attackButton;
}

void Attack::setupFight(Fight *fight)
{
    this->fight = fight;
    showBonus();
    ui->sb_EnduranceMonster->setValue(fight->opponent()->endurance());
    ui->sb_HabileteMonster->setValue(fight->opponent()->habilete());
    ui->sb_EndurancePerso->setValue(fight->hero()->endurance());
    ui->sb_HabiletePerso->setValue(fight->hero()->habilete());
    startRound();
    placeButtons();
    attackButton->setFocus();
}

void Attack::showBonus()
{
    const int bonus = fight->bonus();
    if (bonus < 0)
        ui->lbl_Bonus->setText(tr("Malus : %1 de Force d'Attaque").arg(bonus));
    else
        ui->lbl_Bonus->setText(tr("Bonus : +%1 de Force d'Attaque").arg(bonus));
}

// Back to the monster's roll, with both strengths shown as 0.
void Attack::startRound()
{
    ui->sb_FAMonster->setValue(0);
    ui->sb_FAPerso->setValue(0);
    attackButton->setText(tr("Force d'Attaque MONSTRE"));
}

void Attack::placeButtons()
{
    // As tall as their captions, in the middle of their rows, as push buttons stand.
    ui->gridButton->addWidget(attackButton, 0, 0, Qt::AlignVCenter);
    if (fight->offersFlight()) {
        ui->gridButton->addWidget(fleeButton, 1, 0, Qt::AlignVCenter);
        fleeButton->show();
        // Only once in the dialog: a flee button outside it has no place in its tab order.
        setTabOrder(attackButton, fleeButton);
    } else {
        ui->gridButton->removeWidget(fleeButton);
        fleeButton->hide();
    }
}

void Attack::CalculateFA()
{
    const Fight::Press press = fight->attack();
    showDieFace(ui->lbl_De1, press.dice.first);
    showDieFace(ui->lbl_De2, press.dice.second);
    ui->sb_FAMonster->setValue(press.monsterStrength);
    if (!press.round) {
        attackButton->setText(tr("Force d'Attaque JOUEUR"));
        return;
    }
    ui->sb_FAPerso->setValue(press.heroStrength);
    attackButton->setText(tr("Force d'Attaque MONSTRE"));
    resolveRound(*press.round);
    startRound();
}

// Tells the round's outcome, then closes the dialog if a fighter died.
void Attack::resolveRound(Fight::Round round)
{
    QString title = tr("Touché !");
    QString text;
    switch (round) {
    case Fight::Round::HeroHits:
        text = tr("Vous avez touché le monstre. Vous lui infligez %1 points de dégats.").arg(Fight::damage);
        break;
    case Fight::Round::HeroKills:
        title = tr("Tué !");
        text = tr("Vous avez touché le monstre. Il s'effondre sans vie à vos pieds.");
        break;
    case Fight::Round::MonsterHits:
        text = tr("Le monstre vous a touché. Il vous inflige %1 points de dégats.").arg(Fight::damage);
        break;
    case Fight::Round::MonsterKills:
        title = tr("Tué !");
        text = tr("Le monstre vous a touché. Vous vous effondrez sans vie à ses pieds.");
        break;
    case Fight::Round::Blocked:
        title = tr("Raté !");
        text = tr("Vous vous bloquez mutuellement vos attaques.");
        break;
    }
    QMessageBox::information(this, title, text, QMessageBox::Ok);
    if (round == Fight::Round::HeroKills || round == Fight::Round::MonsterKills)
        close();
    ui->sb_EndurancePerso->setValue(fight->hero()->endurance());
    ui->sb_EnduranceMonster->setValue(fight->opponent()->endurance());
}

void Attack::fleeBattle(bool)
{
    fight->flee();
    close();
}
