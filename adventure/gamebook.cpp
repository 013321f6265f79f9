#include "gamebook.h"

#include "adventure.h"
#include "attack.h"
#include "bookparser.h"
#include "dialoginput.h"
#include "playareakeys.h"
#include "randomdice.h"
#include "stat.h"
#include "ui_gamebook.h"

#include <QListWidget>
#include <QMessageBox>
#include <QSpinBox>
#include <QTextEdit>

gameBook::gameBook(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_gameBook)
    , game(std::make_unique<Adventure>(&RandomDice::shared()))
    , input(std::make_unique<DialogInput>())
{
    ui->setupUi(this);
    for (QSpinBox *box : { ui->sb_Chance, ui->sb_Endurance, ui->sb_Habilete, ui->sb_maxChance, ui->sb_maxEndurance,
                           ui->sb_maxHabilete })
        box->setValue(0);
    attackDialog = new Attack;
    ui->listEquipments->clear();
    keys = new PlayAreaKeys(this, ui->grid_Game);
}

gameBook::~gameBook()
{
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
    if (gameFile.fileName().isEmpty())
        QMessageBox::warning(this, tr("Erreur fichier"), tr("Le fichier n'est pas renseigné"));
    if (!BookParser::openBook(&gameFile)) {
        QMessageBox::critical(this, tr("Erreur ouverture fichier-jeu"), tr("Le fichier-jeu n'a pas pu être ouvert."));
        return;
    }
    QMap<QString, Paragraph> paragraphs;
    if (!BookParser::readBook(&gameFile, &paragraphs)) {
        gameFile.close();
        QMessageBox::critical(this, tr("Erreur ouverture document XML"),
                              tr("Le document XML n'a pas pu être attribué à l'objet QDomDocument."));
    }
    gameFile.close();
    game->setParagraphs(paragraphs);
    showParagraph(QStringLiteral("000"));
}

void gameBook::rollStartingScores()
{
    game->rollStartingScores(*input);
    ui->sb_maxHabilete->setValue(game->habilete()->initial());
    ui->sb_maxEndurance->setValue(game->endurance()->initial());
    ui->sb_maxChance->setValue(game->chance()->initial());
    refreshScores();
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

const Adventure &gameBook::adventure() const
{
    return *game;
}

const QMap<QString, Paragraph> &gameBook::bookParagraphs() const
{
    return game->paragraphs();
}

const QMap<QString, GameObject> &gameBook::carriedObjects() const
{
    return game->inventory().records();
}

const QString &gameBook::visitedParagraphList() const
{
    return game->visitedParagraphs();
}

const Character *gameBook::heroCharacter() const
{
    return game->hero();
}

const Opponent *gameBook::currentOpponent() const
{
    return game->opponent();
}
