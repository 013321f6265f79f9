// What the menu "Aventure" does: named saves and their list, and the steps of the history,
// back, forward and through the journal. Each waits for the press under way: nothing
// happens while a dialog is open.

#include "adventure.h"
#include "automaticsave.h"
#include "gamebook.h"
#include "journaldialog.h"
#include "savedadventure.h"
#include "savekeeper.h"
#include "savesdialog.h"
#include "savestore.h"
#include "ui_gamebook.h"

#include <QMessageBox>
#include <QStatusBar>

void gameBook::updateAdventureMenu()
{
    const bool playing = game->steps() > 0;
    ui->actionSauvegarder->setEnabled(playing);
    ui->actionSauvegardes->setEnabled(playing);
    ui->actionJournal->setEnabled(playing);
    ui->actionRevenir->setEnabled(game->canStepBack());
    ui->actionAvancer->setEnabled(game->canStepForward());
}

void gameBook::saveAdventure()
{
    const QString bookPath = gameFile.fileName();
    if (!ui->actionSauvegarder->isEnabled() || dialogOpen() || !SaveKeeper::makeRoom(this, bookPath))
        return;
    QString error;
    if (SaveStore::write(SaveStore::newNamedPath(bookPath), SavedAdventure::of(*game, bookPath, currentBookHash()), &error))
        statusBar()->showMessage(tr("Aventure sauvegardée."), 5000);
    else
        QMessageBox::warning(this, tr("Sauvegarde impossible"),
                             tr("L'aventure n'a pas pu être sauvegardée : %1.").arg(error));
}

// The adventure left is kept among the named saves before the one chosen takes its place.
void gameBook::openSaves()
{
    if (!ui->actionSauvegardes->isEnabled() || dialogOpen())
        return;
    const QString bookPath = gameFile.fileName();
    SavesDialog dialog(bookPath, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (keptAutomatically) {
        automaticSave->flush();
        if (!SaveKeeper::keepAutomatic(this, bookPath))
            return;
    }
    QString error;
    if (!takeUp(dialog.chosenPath(), &error))
        QMessageBox::warning(this, tr("Sauvegarde illisible"),
                             tr("La sauvegarde ne peut pas être lue : %1.").arg(error));
}

void gameBook::stepBack()
{
    if (ui->actionRevenir->isEnabled() && !dialogOpen())
        showScreen(game->stepBack());
}

void gameBook::stepForward()
{
    if (ui->actionAvancer->isEnabled() && !dialogOpen())
        showScreen(game->stepForward());
}

void gameBook::openJournal()
{
    if (!ui->actionJournal->isEnabled() || dialogOpen())
        return;
    JournalDialog dialog(game->journal(), game->step(), this);
    if (dialog.exec() == QDialog::Accepted)
        showScreen(game->returnTo(dialog.chosenStep()));
}
