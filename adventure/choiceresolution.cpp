// What a press on a play-area button does: the game applies the rule of the action the
// button carries, and the play area shows what follows.

#include "adventure.h"
#include "gamebook.h"
#include "gamebutton.h"

void gameBook::clickedButton()
{
    if (auto *button = qobject_cast<GameButton *>(sender()))
        showScreen(game->press(button->playAction()));
}
