#include "gamebook.h"

#include "adventure.h"
#include "attack.h"
#include "automaticsave.h"
#include "bookparser.h"
#include "bookwatcher.h"
#include "dialoginput.h"
#include "displaymenu.h"
#include "explorationrecorder.h"
#include "harringtonfont.h"
#include "playareakeys.h"
#include "randomdice.h"
#include "readaloud.h"
#include "readersettings.h"
#include "savedadventure.h"
#include "savestore.h"
#include "stat.h"
#include "textzoom.h"
#include "theme.h"
#include "ui_gamebook.h"
#include "zoomkeys.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>

gameBook::gameBook(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_gameBook)
{
    useHarringtonStandIns();
    Theme::applyKept();
    TextZoom::restore();
    ui->setupUi(this);
    ReaderSettings::restoreWindow(this);
    for (QSpinBox *box : { ui->sb_Chance, ui->sb_Endurance, ui->sb_Habilete, ui->sb_maxChance, ui->sb_maxEndurance,
                           ui->sb_maxHabilete })
        box->setValue(0);
    attackDialog = new Attack;
    input = std::make_unique<DialogInput>(attackDialog, [this] { clearParagraphWidgets(); });
    game = std::make_unique<Adventure>(&RandomDice::shared(), input.get());
    ui->listEquipments->clear();
    keys = new PlayAreaKeys(this, ui->grid_Game);
    auto *zoomKeys = new ZoomKeys(this, ui->gridLayoutWidget_5);
    auto *display = new DisplayMenu(this);
    menuBar()->addMenu(display);
    connect(display, &DisplayMenu::textChanged, zoomKeys, &ZoomKeys::apply);
    readAloud = new ReadAloud([this] { return textsToRead(); }, this);
    display->addSeparator();
    display->addAction(readAloud->action());
    automaticSave = std::make_unique<AutomaticSave>(game.get());
    connect(automaticSave.get(), &AutomaticSave::failed, this, [this](const QString &reason) {
        statusBar()->showMessage(tr("L'aventure ne peut pas être sauvegardée : %1.").arg(reason));
    });
    // Disabled until the hero and a screen are there.
    connect(ui->actionSauvegarder, &QAction::triggered, this, &gameBook::saveAdventure);
    connect(ui->actionSauvegardes, &QAction::triggered, this, &gameBook::openSaves);
    connect(ui->actionRevenir, &QAction::triggered, this, &gameBook::stepBack);
    ui->actionAvancer->setShortcuts({ ui->actionAvancer->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")) });
    connect(ui->actionAvancer, &QAction::triggered, this, &gameBook::stepForward);
    connect(ui->actionJournal, &QAction::triggered, this, &gameBook::openJournal);
    connect(ui->actionRelancerLesDes, &QAction::toggled, this,
            [this](bool fresh) { game->setFreshDiceOnReturn(fresh); });
    rereadLater = new QTimer(this);
    rereadLater->setSingleShot(true);
    rereadLater->setInterval(500);
    connect(rereadLater, &QTimer::timeout, this, &gameBook::rereadBook);
}

gameBook::~gameBook()
{
    automaticSave.reset();
    delete ui;
    delete textView;
    delete attackDialog;
}

void gameBook::setFileName(const QString &path)
{
    gameFile.setFileName(path);
}

void gameBook::loadGameBook()
{
    loadGameBook(QStringLiteral("000"));
}

void gameBook::loadGameBook(const QString &firstParagraph)
{
    if (!readBook())
        return;
    exploration->beginAdventure();
    showParagraph(firstParagraph);
}

bool gameBook::readBook()
{
    if (gameFile.fileName().isEmpty())
        QMessageBox::warning(this, tr("Erreur fichier"), tr("Le fichier n'est pas renseigné"));
    // Read through a file of its own, which keeps gameFile's name for the pictures and saves.
    QFile book(gameFile.fileName());
    if (!BookParser::openBook(&book)) {
        QMessageBox::critical(this, tr("Erreur ouverture fichier-jeu"), tr("Le fichier-jeu n'a pas pu être ouvert."));
        return false;
    }
    QMap<QString, Paragraph> paragraphs;
    if (!BookParser::readBook(&book, &paragraphs)) {
        book.close();
        QMessageBox::critical(this, tr("Erreur ouverture document XML"),
                              tr("Le document XML n'a pas pu être attribué à l'objet QDomDocument."));
    }
    book.close();
    game->setParagraphs(paragraphs);
    forgetBookHash();
    if (!exploration)
        exploration = new ExplorationRecorder(gameFile.fileName(), this);
    if (!watcher) {
        watcher = new BookWatcher(gameFile.fileName(), this);
        connect(watcher, &BookWatcher::changed, this, &gameBook::rereadBook);
    }
    return true;
}

// The saves compare the hash of the book with theirs to tell that it changed since. The
// automatic save makes its own on its thread.
void gameBook::forgetBookHash()
{
    bookHash.clear();
    automaticSave->setBook(gameFile.fileName());
}

const QString &gameBook::currentBookHash()
{
    if (bookHash.isEmpty())
        bookHash = SaveStore::hashOfBook(gameFile.fileName());
    return bookHash;
}

bool gameBook::dialogOpen() const
{
    QWidget *modal = QApplication::activeModalWidget();
    return modal && modal != this;
}

void gameBook::rereadBook()
{
    if (dialogOpen()) {
        rereadLater->start();
        return;
    }
    if (!game->hero())
        return;
    QFile book(gameFile.fileName());
    QMap<QString, Paragraph> paragraphs;
    BookParser::Failure failure;
    if (!BookParser::openBook(&book)) {
        statusBar()->showMessage(tr("Le livre ne peut plus être ouvert ; le dernier livre lu reste en jeu."));
        return;
    }
    if (!BookParser::readBook(&book, &paragraphs, nullptr, &failure)) {
        statusBar()->showMessage(tr("Le livre modifié ne peut pas être lu, ligne %1 : %2 ; le dernier livre lu "
                                    "reste en jeu.")
                                     .arg(failure.line)
                                     .arg(failure.message));
        return;
    }
    forgetBookHash();
    showScreen(game->reread(paragraphs));
    statusBar()->showMessage(tr("Livre relu."), 5000);
}

void gameBook::rollStartingScores()
{
    game->rollStartingScores();
    showStartingScores();
    refreshScores();
}

void gameBook::showStartingScores()
{
    ui->sb_maxHabilete->setValue(game->habilete()->initial());
    ui->sb_maxEndurance->setValue(game->endurance()->initial());
    ui->sb_maxChance->setValue(game->chance()->initial());
}

bool gameBook::takeUp(const QString &savePath, QString *error)
{
    SavedAdventure saved;
    if (!SaveStore::read(savePath, &saved, error))
        return false;
    if (!readBook())
        return true;
    if (saved.bookHash != currentBookHash()) {
        QMessageBox::warning(this, tr("Livre modifié"),
                             tr("Le livre a changé depuis la sauvegarde : l'aventure reprend où elle en était, "
                                "mais des paragraphes ont pu changer ou disparaître."));
    }
    game->restore(saved.snapshot);
    ui->actionRelancerLesDes->setChecked(game->freshDiceOnReturn());
    showStartingScores();
    showScreen(game->screen());
    return true;
}

void gameBook::setKeptAutomatically(bool kept)
{
    keptAutomatically = kept;
}

void gameBook::refreshScores()
{
    if (!game->hero())
        return;
    ui->sb_Chance->setValue(game->chance()->current());
    ui->sb_Endurance->setValue(game->endurance()->current());
    ui->sb_Habilete->setValue(game->habilete()->current());
}

// The sheet is a copy of the game: scores, gold, provisions and the carried objects' rows.
void gameBook::refreshSheet()
{
    refreshScores();
    ui->sb_Gold->setValue(game->gold());
    ui->sb_Food->setValue(game->provisions());
    const QStringList &rows = game->inventory().rows();
    QStringList shown;
    for (int row = 0; row < ui->listEquipments->count(); ++row)
        shown.append(ui->listEquipments->item(row)->text());
    if (shown != rows) {
        ui->listEquipments->clear();
        ui->listEquipments->addItems(rows);
    }
}

void gameBook::closeEvent(QCloseEvent *event)
{
    readAloud->stop();
    ReaderSettings::keepWindow(this);
    if (exploration)
        exploration->writeNow();
    if (keptAutomatically) {
        automaticSave->changed();
        automaticSave->flush();
    }
    QMainWindow::closeEvent(event);
}

const Adventure &gameBook::adventure() const
{
    return *game;
}
