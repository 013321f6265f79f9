#ifndef ADVENTUREDRIVER_H
#define ADVENTUREDRIVER_H

#include <QList>
#include <QString>

class GameButton;
class QAction;
class QGridLayout;
class QTextEdit;
class gameBook;

// Plays an adventure window as a reader would, and reads what it shows.
class AdventureDriver {
public:
    // Opens a window on the book as the selection window does, seeds the dice with `seed`
    // and accepts the three starting rolls as they come. The caller deletes the window.
    static gameBook *start(const QString &bookPath, unsigned seed = 1);
    // Deletes every adventure window still alive (with the dialogs each one owns) and
    // the widgets released with them; true when no top-level window is left over.
    static bool deleteAdventureWindows();
    // The dice that the next draws will give once seeded with `seed`; the dice are left
    // seeded with `seed` again, so the code under test draws the same dice.
    static QList<int> predictDice(unsigned seed, int count);
    // The adventure window on show, if any.
    static gameBook *shownWindow();

    // Deletes the widgets released by the last click, as the event loop would.
    static void settle();
    static QGridLayout *playGrid(gameBook *window);
    // The buttons of the play area, in the order they were placed.
    static QList<GameButton *> buttons(gameBook *window);
    static QStringList captions(gameBook *window);
    static GameButton *button(gameBook *window, const QString &caption);
    // Clicks the button with that caption and lets the released widgets go. False when
    // there is no such button.
    static bool press(gameBook *window, const QString &caption);
    static QTextEdit *textView(gameBook *window);
    static QString shownText(gameBook *window);
    static int sheetValue(gameBook *window, const char *spinBoxName);
    // The starting and current HABILETE, ENDURANCE and CHANCE, then the gold and the provisions.
    static QList<int> sheet(gameBook *window);
    static QStringList equipmentRows(gameBook *window);
    // What the reader sees: the sheet, the equipment, the text and every button with its state.
    static QStringList view(gameBook *window);
    // An action of the window's menus, by its object name.
    static QAction *action(gameBook *window, const char *name);
    // Triggers it and lets the released widgets go.
    static void trigger(gameBook *window, const char *name);
};

#endif // ADVENTUREDRIVER_H
