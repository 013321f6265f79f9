// What a press on a play-area button does: one rule per button type.

#include "attack.h"
#include "character.h"
#include "combatitem.h"
#include "fleerule.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "harringtonfont.h"
#include "inventorychoice.h"
#include "launchdeuce.h"
#include "opponent.h"
#include "ui_gamebook.h"

#include <QGridLayout>
#include <QListWidget>
#include <QSpinBox>
#include <QTextEdit>

void gameBook::clickedButton()
{
    auto *button = qobject_cast<GameButton *>(sender());
    if (!button)
        return;
    const QString type = button->buttonType();
    // Every rule but a plain choice uses the hero's scores, which exist once rolled.
    if (!hero && type != QLatin1String("Choice"))
        return;
    if (type == QLatin1String("Eat"))
        takeMeal(button);
    else if (type == QLatin1String("Luck"))
        testLuck();
    else if (type == QLatin1String("Flee"))
        flee(button->objectName());
    else if (type == QLatin1String("Attack"))
        fight();
    else if (type == QLatin1String("Choice"))
        followChoice(button->objectName());
}

// A meal restores 2 ENDURANCE, once each time the paragraph is shown; provisions are not counted.
void gameBook::takeMeal(GameButton *button)
{
    hero->changeEndurance(2);
    ui->sb_Endurance->setValue(hero->endurance());
    button->setEnabled(false);
}

// Lucky when two dice make at most the current CHANCE; every test costs a point of CHANCE.
void gameBook::testLuck()
{
    const int total = LaunchDeuce::launch(tr("TENTEZ VOTRE CHANCE - Lancer de dés"), 2, 0);
    const bool lucky = total <= hero->chance();
    const LuckOutcome &outcome = lucky ? currentParagraph.luck.lucky : currentParagraph.luck.unlucky;
    GameButton *next = makeButton(tr("Continuer"), QStringLiteral("Choice"));
    next->setObjectName(outcome.target);
    clearParagraphWidgets();
    showOutcome(outcome.text, next);
    hero->changeChance(-1);
    ui->sb_Chance->setValue(hero->chance());
}

// Every flight costs 2 ENDURANCE, and the adventure goes on whatever is left.
void gameBook::flee(const QString &target)
{
    clearParagraphWidgets();
    hero->changeEndurance(-2);
    ui->sb_Endurance->setValue(hero->endurance());
    showParagraph(target);
}

void gameBook::fight()
{
    clearParagraphWidgets();
    weapon = chooseCombatItem(1, tr("arme"), tr("Epée"));
    armour = chooseCombatItem(2, tr("armure"), tr("Armure"));
    delete opponent;
    opponent = new Opponent(currentMonster.habilete, currentMonster.endurance);
    fleeRule.reset(new FleeRule { currentParagraph.fleePenalty, currentParagraph.fleeRound, currentParagraph.fleeRef });
    attackDialog->setupFight(hero, opponent, weapon.get(), armour.get(), fleeRule.get());
    attackDialog->exec();
    refreshScores();

    GameButton *next = nullptr;
    QString text;
    if (attackDialog->hasFled()) {
        text = tr("Vous avez réussi à vous enfuir.");
        next = makeButton(tr("Continuer"), QStringLiteral("Flee"));
        next->setObjectName(currentParagraph.fleeRef);
    } else if (hero->endurance() <= 0) {
        text = tr("Vous avez été vaincu et votre aventure s'arrête ici...");
        next = makeButton(tr("Terminer"), QString());
    } else if (opponent->endurance() > 0) {
        return; // closed with both standing: nothing to show
    } else {
        text = tr("Vous avez été victorieux.");
        next = makeButton(tr("Continuer"), QStringLiteral("Choice"));
        next->setObjectName(currentMonster.value);
    }
    clearParagraphWidgets();
    showOutcome(text, next);
}

// The weapon or armour for a fight: the default when none is carried, the only one
// without asking, or the reader's pick among several.
std::unique_ptr<CombatItem> gameBook::chooseCombatItem(int type, const QString &kind, const QString &defaultName)
{
    auto defaultItem = std::make_unique<CombatItem>(defaultName, 0, 0);
    if (inventory.isEmpty())
        return defaultItem;
    std::vector<CombatItem> candidates = rowItems(type);
    if (candidates.empty())
        return defaultItem;
    if (candidates.size() == 1)
        return std::make_unique<CombatItem>(candidates.front());
    InventoryChoice dialog;
    dialog.setItems(kind, pointersTo(candidates));
    if (dialog.exec() > 0)
        return std::make_unique<CombatItem>(*dialog.chosenItem());
    return defaultItem;
}

void gameBook::followChoice(const QString &target)
{
    clearParagraphWidgets();
    showParagraph(target);
}

// An outcome replaces the play area: its text above, one button below.
void gameBook::showOutcome(const QString &text, GameButton *button)
{
    textView = new QTextEdit;
    textView->setFont(harringtonFont(14));
    textView->setText(text);
    ui->grid_Game->addWidget(textView, 0, 0);
    ui->grid_Game->addWidget(button, 1, 0);
    paragraphWidgets.append(textView);
    paragraphWidgets.append(button);
}
