#include "launchdeuce.h"

#include "dieface.h"
#include "randomdice.h"
#include "ui_launchdeuce.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

LaunchDeuce::LaunchDeuce(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui_LaunchDeuce)
    , dice(&RandomDice::shared())
    , firstFace(new QLabel)
    , secondFace(new QLabel)
    , helpLabel(new QLabel)
    , rerollButton(new QPushButton(tr("Encore 3 tentative(s)")))
    , okButton(new QPushButton(tr("OK")))
{
    ui->setupUi(this);
    ui->sb_nbDes->setValue(0);
    firstFace->setAlignment(Qt::AlignHCenter);
    secondFace->setAlignment(Qt::AlignHCenter);
    helpLabel->setWordWrap(true);
    // Enter keeps the roll on screen wherever the focus is; Space presses the focused button.
    okButton->setDefault(true);
    rerollButton->setAutoDefault(false);
    connect(ui->sb_nbDes, QOverload<int>::of(&QSpinBox::valueChanged), this, &LaunchDeuce::changeDes);
    connect(rerollButton, &QPushButton::clicked, this, &LaunchDeuce::nouvelleTentative);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

LaunchDeuce::~LaunchDeuce()
{
    delete ui;
    delete firstFace;
    delete secondFace;
    delete helpLabel;
    delete rerollButton;
    delete okButton;
}

int LaunchDeuce::launch(const QString &title, int diceCount, int attempts)
{
    return launch(title, diceCount, attempts, RandomDice::shared());
}

int LaunchDeuce::launch(const QString &title, int diceCount, int attempts, DiceSource &dice)
{
    LaunchDeuce dialog;
    dialog.setDiceSource(&dice);
    dialog.setTitle(title);
    dialog.setDiceCount(diceCount);
    dialog.setAttempts(attempts);
    // Whatever closes the dialog (OK, Escape, the close box), the roll on screen counts.
    dialog.exec();
    return dialog.total();
}

void LaunchDeuce::setTitle(const QString &title)
{
    if (!title.isEmpty())
        setWindowTitle(title);
}

void LaunchDeuce::setDiceSource(DiceSource *dice)
{
    this->dice = dice;
}

void LaunchDeuce::setDiceCount(int count)
{
    diceCount = std::clamp(count, 1, 2);
    ui->sb_nbDes->setValue(diceCount);
}

void LaunchDeuce::setAttempts(int count)
{
    attempts = count;
    const bool offered = attempts > 0;
    for (QWidget *widget : { static_cast<QWidget *>(helpLabel), static_cast<QWidget *>(rerollButton) }) {
        // A widget outside the grid has no parent and would open as a window of its own;
        // it shows once it is placed.
        if (widget->parentWidget() || !offered)
            widget->setVisible(offered);
    }
}

int LaunchDeuce::total() const
{
    return firstDie + secondDie;
}

void LaunchDeuce::changeDes()
{
    const DiceSource::Pair roll = dice->drawRoll(diceCount);
    firstDie = roll.first;
    secondDie = roll.second;
    firstFace->setPixmap(dieFace(firstDie));
    helpLabel->setText(tr("Vous avez plusieurs tentatives de lancer de dés avant de valider définitivement "
                          "votre score de départ."));
    ui->gridLayout->addWidget(firstFace, 0, 0);
    if (diceCount < 2) {
        placeHelpAndButtons(1);
    } else {
        secondFace->setPixmap(dieFace(secondDie));
        ui->gridLayout->addWidget(secondFace, 0, 1);
        placeHelpAndButtons(2);
    }
}

void LaunchDeuce::placeHelpAndButtons(int columnSpan)
{
    if (attempts > 0) {
        ui->gridLayout->addWidget(helpLabel, 1, 0, 1, columnSpan);
        ui->gridLayout->addWidget(rerollButton, 2, 0, 1, columnSpan);
    }
    ui->gridLayout->addWidget(okButton, 3, 0, 1, columnSpan);
}

void LaunchDeuce::nouvelleTentative()
{
    --attempts;
    ui->gridLayout->removeWidget(firstFace);
    if (diceCount > 1)
        ui->gridLayout->removeWidget(secondFace);
    ui->gridLayout->removeWidget(helpLabel);
    ui->gridLayout->removeWidget(rerollButton);
    ui->gridLayout->removeWidget(okButton);
    changeDes();
    if (attempts <= 0) {
        // Left where they stood, outside the grid, so the player sees why no roll is left.
        rerollButton->setEnabled(false);
        rerollButton->setText(tr("Plus de tentatives disponibles"));
    } else {
        rerollButton->setText(tr("Encore %1 tentative(s)").arg(attempts));
    }
}
