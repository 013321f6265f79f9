// The hero's starting scores, rolled in three dice dialogs when an adventure begins.

#include "character.h"
#include "gamebook.h"
#include "launchdeuce.h"
#include "stat.h"
#include "ui_gamebook.h"

#include <QSpinBox>

void gameBook::rollStartingScores()
{
    const int habileteRoll = LaunchDeuce::launch(tr("HABILETE - Lancer de dés"), 1, 3) + 6;
    const int enduranceRoll = LaunchDeuce::launch(tr("ENDURANCE - Lancer de dés"), 2, 3) + 12;
    const int chanceRoll = LaunchDeuce::launch(tr("CHANCE - Lancer de dés"), 1, 3) + 6;
    // A second call starts the hero afresh rather than leaking the first one.
    delete hero;
    delete habilete;
    delete endurance;
    delete chance;
    habilete = new Stat(habileteRoll);
    endurance = new Stat(enduranceRoll);
    chance = new Stat(chanceRoll);
    hero = new Character(habilete, endurance, chance);
    ui->sb_maxHabilete->setValue(habilete->initial());
    ui->sb_maxEndurance->setValue(endurance->initial());
    ui->sb_maxChance->setValue(chance->initial());
    ui->sb_Habilete->setValue(habilete->current());
    ui->sb_Endurance->setValue(endurance->current());
    ui->sb_Chance->setValue(chance->current());
}
