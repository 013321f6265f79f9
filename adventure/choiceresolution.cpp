// What a press on a play-area button does: the game applies the rule of the button's type,
// and the play area shows what follows.

#include "adventure.h"
#include "attack.h"
#include "dialoginput.h"
#include "gamebook.h"
#include "gamebutton.h"

void gameBook::clickedButton()
{
    auto *button = qobject_cast<GameButton *>(sender());
    if (!button)
        return;
    const QString type = button->buttonType();
    // Every rule but a plain choice uses the hero's scores, which exist once rolled.
    if (!game->hero() && type != QLatin1String("Choice"))
        return;
    if (type == QLatin1String("Eat")) {
        game->takeMeal();
        refreshScores();
        button->setEnabled(false); // once each time the paragraph is shown
    } else if (type == QLatin1String("Luck")) {
        const PlayAreaContent outcome = game->testLuck(*input);
        clearParagraphWidgets();
        showContent(outcome);
    } else if (type == QLatin1String("Flee")) {
        clearParagraphWidgets();
        game->payFlight();
        showParagraph(button->objectName());
    } else if (type == QLatin1String("Attack")) {
        fight();
    } else if (type == QLatin1String("Choice")) {
        clearParagraphWidgets();
        showParagraph(button->objectName());
    }
}

void gameBook::fight()
{
    clearParagraphWidgets();
    attackDialog->setupFight(&game->startFight(*input));
    attackDialog->exec();
    showContent(game->endFight(*input));
}
