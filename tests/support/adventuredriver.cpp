#include "adventuredriver.h"

#include "gamebook.h"
#include "gamebutton.h"
#include "modalanswers.h"
#include "randomdice.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QListWidget>
#include <QPointer>
#include <QSpinBox>
#include <QTextEdit>

gameBook *AdventureDriver::start(const QString &bookPath, unsigned seed)
{
    auto *window = new gameBook;
    window->setFileName(bookPath);
    window->show();
    RandomDice::shared().seed(seed);
    ModalAnswers answers;
    for (int roll = 0; roll < 3; ++roll)
        answers.acceptDice();
    window->rollStartingScores();
    window->loadGameBook();
    settle();
    return window;
}

bool AdventureDriver::deleteAdventureWindows()
{
    QList<QPointer<gameBook>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<gameBook *>(widget))
            windows.append(window);
    }
    for (const QPointer<gameBook> &window : windows)
        delete window.data();
    settle();
    return QApplication::topLevelWidgets().isEmpty();
}

QList<int> AdventureDriver::predictDice(unsigned seed, int count)
{
    RandomDice::shared().seed(seed);
    QList<int> dice;
    for (int draw = 0; draw < count; ++draw)
        dice.append(RandomDice::shared().nextFace());
    RandomDice::shared().seed(seed);
    return dice;
}

gameBook *AdventureDriver::shownWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<gameBook *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

void AdventureDriver::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QGridLayout *AdventureDriver::playGrid(gameBook *window)
{
    return window->findChild<QGridLayout *>(QStringLiteral("grid_Game"));
}

QList<GameButton *> AdventureDriver::buttons(gameBook *window)
{
    QList<GameButton *> found;
    QGridLayout *grid = playGrid(window);
    for (int index = 0; index < grid->count(); ++index) {
        if (auto *button = qobject_cast<GameButton *>(grid->itemAt(index)->widget()))
            found.append(button);
    }
    return found;
}

QStringList AdventureDriver::captions(gameBook *window)
{
    QStringList texts;
    for (GameButton *button : buttons(window))
        texts.append(button->text());
    return texts;
}

GameButton *AdventureDriver::button(gameBook *window, const QString &caption)
{
    for (GameButton *button : buttons(window)) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

bool AdventureDriver::press(gameBook *window, const QString &caption)
{
    GameButton *target = button(window, caption);
    if (!target)
        return false;
    target->click();
    settle();
    return true;
}

QTextEdit *AdventureDriver::textView(gameBook *window)
{
    QLayoutItem *item = playGrid(window)->itemAtPosition(0, 0);
    return item ? qobject_cast<QTextEdit *>(item->widget()) : nullptr;
}

QString AdventureDriver::shownText(gameBook *window)
{
    QTextEdit *view = textView(window);
    return view ? view->toPlainText() : QString();
}

int AdventureDriver::sheetValue(gameBook *window, const char *spinBoxName)
{
    return window->findChild<QSpinBox *>(QLatin1String(spinBoxName))->value();
}

QList<int> AdventureDriver::sheet(gameBook *window)
{
    QList<int> values;
    for (const char *name : { "sb_maxHabilete", "sb_Habilete", "sb_maxEndurance", "sb_Endurance", "sb_maxChance",
                              "sb_Chance", "sb_Gold", "sb_Food" })
        values.append(sheetValue(window, name));
    return values;
}

QStringList AdventureDriver::equipmentRows(gameBook *window)
{
    QStringList rows;
    auto *list = window->findChild<QListWidget *>(QStringLiteral("listEquipments"));
    for (int row = 0; row < list->count(); ++row)
        rows.append(list->item(row)->text());
    return rows;
}

QStringList AdventureDriver::view(gameBook *window)
{
    QStringList seen;
    for (int value : sheet(window))
        seen << QString::number(value);
    seen << equipmentRows(window).join(QLatin1Char('|')) << shownText(window);
    QGridLayout *grid = playGrid(window);
    for (GameButton *button : buttons(window)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(button), &row, &column, &rowSpan, &columnSpan);
        seen << QStringLiteral("%1 %2 %3 %4 (%5, %6)")
                    .arg(button->text(), button->buttonType(), button->objectName())
                    .arg(button->isEnabled())
                    .arg(row)
                    .arg(column);
    }
    return seen;
}

QAction *AdventureDriver::action(gameBook *window, const char *name)
{
    return window->findChild<QAction *>(QLatin1String(name));
}

void AdventureDriver::trigger(gameBook *window, const char *name)
{
    action(window, name)->trigger();
    settle();
}
