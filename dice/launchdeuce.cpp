#include "launchdeuce.h"

#include "diceroll.h"
#include "dieface.h"
#include "harringtonfont.h"
#include "randomdice.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

LaunchDeuce::LaunchDeuce(QWidget *parent)
    : QDialog(parent)
    , firstFace(new QLabel)
    , secondFace(new QLabel)
    , helpLabel(new QLabel)
    , rerollButton(new QPushButton)
    , okButton(new QPushButton(tr("OK")))
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("LaunchDeuce"));
    setWindowFlags(Qt::WindowMaximizeButtonHint);
    setFixedSize(375, 290);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFont(harringtonFont(12));
    setModal(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    auto *gridLayoutWidget = new QWidget(this);
    gridLayoutWidget->setObjectName(QStringLiteral("gridLayoutWidget"));
    gridLayoutWidget->setGeometry(9, 10, 361, 271);
    gridLayout = new QGridLayout(gridLayoutWidget);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    gridLayout->setContentsMargins(0, 0, 0, 0);
    setWindowTitle(tr("Lancer de dés"));

    firstFace->setAlignment(Qt::AlignHCenter);
    secondFace->setAlignment(Qt::AlignHCenter);
    helpLabel->setWordWrap(true);
    // Enter keeps the roll on screen wherever the focus is; Space presses the focused button.
    okButton->setDefault(true);
    rerollButton->setAutoDefault(false);
    connect(rerollButton, &QPushButton::clicked, this, &LaunchDeuce::nouvelleTentative);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

LaunchDeuce::~LaunchDeuce()
{
    delete firstFace;
    delete secondFace;
    delete helpLabel;
    delete rerollButton;
    delete okButton;
}

int LaunchDeuce::launch(const QString &title, int diceCount, int attempts)
{
    DiceRoll roll(&RandomDice::shared(), diceCount, attempts);
    launch(title, roll);
    return roll.total();
}

void LaunchDeuce::launch(const QString &title, DiceRoll &roll)
{
    LaunchDeuce dialog;
    dialog.setTitle(title);
    dialog.setRoll(&roll);
    dialog.exec();
}

void LaunchDeuce::setTitle(const QString &title)
{
    if (!title.isEmpty())
        setWindowTitle(title);
}

void LaunchDeuce::setRoll(DiceRoll *roll)
{
    this->roll = roll;
    rerollButton->setText(tr("Encore %1 tentative(s)").arg(roll->attemptsLeft()));
    // The first layout places the help and the re-roll button, hidden when no attempt is
    // offered; outside the grid they would have no parent and open as windows of their own.
    showRoll(true);
    const bool offered = roll->attemptsLeft() > 0;
    helpLabel->setVisible(offered);
    rerollButton->setVisible(offered);
}

int LaunchDeuce::total() const
{
    return roll ? roll->total() : 0;
}

void LaunchDeuce::changeDes()
{
    showRoll(roll->attemptsLeft() > 0);
}

// Shows the roll's faces and lays the dialog out around them.
void LaunchDeuce::showRoll(bool withRerolls)
{
    showDieFace(firstFace, roll->faces().first);
    helpLabel->setText(tr("Vous avez plusieurs tentatives de lancer de dés avant de valider définitivement "
                          "votre score de départ."));
    gridLayout->addWidget(firstFace, 0, 0);
    if (roll->diceCount() < 2) {
        placeHelpAndButtons(1, withRerolls);
    } else {
        showDieFace(secondFace, roll->faces().second);
        gridLayout->addWidget(secondFace, 0, 1);
        placeHelpAndButtons(2, withRerolls);
    }
}

void LaunchDeuce::placeHelpAndButtons(int columnSpan, bool withRerolls)
{
    if (withRerolls) {
        gridLayout->addWidget(helpLabel, 1, 0, 1, columnSpan);
        gridLayout->addWidget(rerollButton, 2, 0, 1, columnSpan);
    }
    gridLayout->addWidget(okButton, 3, 0, 1, columnSpan);
}

void LaunchDeuce::nouvelleTentative()
{
    if (!roll->rollAgain())
        return;
    for (QWidget *widget :
         { static_cast<QWidget *>(firstFace), static_cast<QWidget *>(secondFace), static_cast<QWidget *>(helpLabel),
           static_cast<QWidget *>(rerollButton), static_cast<QWidget *>(okButton) })
        gridLayout->removeWidget(widget);
    changeDes();
    if (roll->attemptsLeft() <= 0) {
        // Left where they stood, outside the grid, so the player sees why no roll is left.
        rerollButton->setEnabled(false);
        rerollButton->setText(tr("Plus de tentatives disponibles"));
    } else {
        rerollButton->setText(tr("Encore %1 tentative(s)").arg(roll->attemptsLeft()));
    }
}
