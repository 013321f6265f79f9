#include "gamebook.h"

#include "attack.h"
#include "bookparser.h"
#include "character.h"
#include "combatitem.h"
#include "fleerule.h"
#include "opponent.h"
#include "stat.h"
#include "ui_gamebook.h"

#include <QDomDocument>
#include <QListWidget>
#include <QMessageBox>
#include <QSpinBox>
#include <QTextEdit>

gameBook::gameBook(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_gameBook)
{
    ui->setupUi(this);
    for (QSpinBox *box : { ui->sb_Chance, ui->sb_Endurance, ui->sb_Habilete, ui->sb_maxChance, ui->sb_maxEndurance,
                           ui->sb_maxHabilete })
        box->setValue(0);
    visitedParagraphs = QString();
    attackDialog = new Attack;
    ui->listEquipments->clear();
}

gameBook::~gameBook()
{
    delete ui;
    delete hero;
    delete opponent;
    delete habilete;
    delete endurance;
    delete chance;
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
    QDomDocument document(QStringLiteral("monsterQDomDocument"));
    if (!BookParser::openBook(&gameFile)) {
        QMessageBox::critical(this, tr("Erreur ouverture fichier-jeu"), tr("Le fichier-jeu n'a pas pu être ouvert."));
        return;
    }
    if (!BookParser::readDocument(&gameFile, &document)) {
        gameFile.close();
        QMessageBox::critical(this, tr("Erreur ouverture document XML"),
                              tr("Le document XML n'a pas pu être attribué à l'objet QDomDocument."));
    }
    gameFile.close();
    rootElement = document.documentElement();
    parseParagraphs();
    showParagraph(QStringLiteral("000"));
}

void gameBook::parseParagraphs()
{
    BookParser::parseParagraphs(rootElement, &paragraphs);
}

void gameBook::refreshScores()
{
    ui->sb_Chance->setValue(hero->chance());
    ui->sb_Endurance->setValue(hero->endurance());
    ui->sb_Habilete->setValue(hero->habilete());
}

const QMap<QString, Paragraph> &gameBook::bookParagraphs() const
{
    return paragraphs;
}

const QMap<QString, GameObject> &gameBook::carriedObjects() const
{
    return inventory;
}

const QString &gameBook::visitedParagraphList() const
{
    return visitedParagraphs;
}

const Character *gameBook::heroCharacter() const
{
    return hero;
}

const Opponent *gameBook::currentOpponent() const
{
    return opponent;
}
