#ifndef GAMEBOOK_H
#define GAMEBOOK_H

#include "paragraph.h"
#include "playareacontent.h"

#include <QFile>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QString>

#include <memory>

class Adventure;
class Attack;
class Character;
class DialogInput;
class GameButton;
class Opponent;
class PlayAreaKeys;
class QTextEdit;
class Ui_gameBook;

// The adventure window: shows one adventure from its first paragraph to its end. The game
// itself (the book, the hero, the carried objects and every rule) is the Adventure; the
// window shows what it offers in the play area, mirrors its state on the adventure sheet
// and hands it the reader's presses.
class gameBook : public QMainWindow {
    Q_OBJECT

public:
    explicit gameBook(QWidget *parent = nullptr);
    ~gameBook() override;

    void setFileName(const QString &path);
    void loadGameBook();
    void rollStartingScores();
    void refreshScores();

    void showParagraph(const QString &id);
    void clearParagraphWidgets();
    void describeMonster(const Monster &monster, QTextEdit *view);

    // Read-only views of the adventure, for tools and tests.
    const Adventure &adventure() const;
    const QMap<QString, Paragraph> &bookParagraphs() const;
    const QMap<QString, GameObject> &carriedObjects() const;
    const QString &visitedParagraphList() const;
    const Character *heroCharacter() const;
    const Opponent *currentOpponent() const;

private Q_SLOTS:
    void clickedButton();

private:
    void fight();
    void showContent(const PlayAreaContent &content);
    void placeButton(const PlayAction &action);
    void orderFocus();
    void refreshSheet();

    Ui_gameBook *ui;
    QFile gameFile;
    std::unique_ptr<Adventure> game;
    std::unique_ptr<DialogInput> input;
    QPointer<QTextEdit> textView;
    QList<QWidget *> paragraphWidgets;
    Attack *attackDialog = nullptr;
    PlayAreaKeys *keys;
};

#endif // GAMEBOOK_H
