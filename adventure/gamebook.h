#ifndef GAMEBOOK_H
#define GAMEBOOK_H

#include "paragraph.h"
#include "playareacontent.h"

#include <QFile>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <memory>

class Adventure;
class Attack;
class AutomaticSave;
class BookWatcher;
class DialogInput;
class ExplorationRecorder;
class GameButton;
class PlayAreaKeys;
class QTextEdit;
class QTimer;
class ReadAloud;
class Ui_gameBook;

// The adventure window: shows one adventure from its first paragraph to its end. The game
// itself (the book, the hero, the carried objects and every rule) is the Adventure; the
// window shows the screen it offers in the play area, mirrors its state on the adventure
// sheet and hands it the action of each button pressed.
class gameBook : public QMainWindow {
    Q_OBJECT

public:
    explicit gameBook(QWidget *parent = nullptr);
    ~gameBook() override;

    void setFileName(const QString &path);
    void loadGameBook();
    // The same, starting at another paragraph as a first visit.
    void loadGameBook(const QString &firstParagraph);
    void rollStartingScores();
    void refreshScores();
    // Takes up the adventure saved in the file at `savePath` as it stood, its history and
    // dice included: true once it is on screen, or once the book itself failed to load and
    // said so. False, with `error` saying why, when the save cannot be read.
    bool takeUp(const QString &savePath, QString *error);
    // Whether the adventure is kept in the book's automatic save as it goes; authors' trial
    // runs are not.
    void setKeptAutomatically(bool kept);

    void showParagraph(const QString &id);
    void clearParagraphWidgets();
    void describeMonster(const Monster &monster, QTextEdit *view);

    // The game on show, read-only, for tools and tests.
    const Adventure &adventure() const;

public Q_SLOTS:
    // Adds a named save of the adventure as it stands.
    void saveAdventure();
    // The book's named saves, to take one up, rename or delete.
    void openSaves();
    void stepBack();
    void stepForward();
    // The screens of the adventure, to return to one of them.
    void openJournal();

protected:
    // Keeps the window's size, the exploration of the book and the adventure as the reader
    // leaves.
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void clickedButton();
    // Reads the book again after an edit and shows the paragraph on screen as it now is;
    // a book that does not read leaves the last good one in play.
    void rereadBook();

private:
    // Reads the book into the game; false, after saying why, when it cannot be opened.
    bool readBook();
    void forgetBookHash();
    // The hash of the book's text, made when first asked for: the first paragraph need not wait
    // for it.
    const QString &currentBookHash();
    // A dialog open means a rule is halfway through its paragraph.
    bool dialogOpen() const;
    void showScreen(const PlayAreaContent &content);
    void updateAdventureMenu();
    void showContent(const PlayAreaContent &content);
    void placeButton(const PlayAction &action);
    void orderFocus();
    // What "Lire à voix haute" reads: the paragraph's text, then the buttons' captions.
    QStringList textsToRead() const;
    void refreshSheet();
    // The three starting values, which change only when the hero is rolled or taken up again.
    void showStartingScores();

    Ui_gameBook *ui;
    QFile gameFile;
    Attack *attackDialog = nullptr;
    std::unique_ptr<DialogInput> input;
    std::unique_ptr<Adventure> game;
    // After the game, which it writes until it goes.
    std::unique_ptr<AutomaticSave> automaticSave;
    bool keptAutomatically = true;
    QString bookHash; // of the book as read; empty until asked for
    QPointer<QTextEdit> textView;
    QList<QWidget *> paragraphWidgets;
    // The buttons of the screen on show, in the order of its actions.
    QList<GameButton *> actionButtons;
    int shownScreen = 0;
    PlayAreaKeys *keys;
    BookWatcher *watcher = nullptr;
    // Tries again once the dialog open at an edit has closed.
    QTimer *rereadLater;
    ReadAloud *readAloud;
    ExplorationRecorder *exploration = nullptr;
};

#endif // GAMEBOOK_H
