#include "playareakeys.h"

#include "gamebutton.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <tuple>

PlayAreaKeys::PlayAreaKeys(QWidget *window, QGridLayout *playArea)
    : QObject(window)
    , window(window)
    , playArea(playArea)
{
    QCoreApplication::instance()->installEventFilter(this);
}

QList<GameButton *> PlayAreaKeys::buttonsInReadingOrder() const
{
    struct Placed {
        GameButton *button;
        int row;
        int column;
    };
    QList<Placed> placed;
    for (int index = 0; index < playArea->count(); ++index) {
        // Buttons of the paragraph left are hidden until their deletion takes them out.
        auto *button = qobject_cast<GameButton *>(playArea->itemAt(index)->widget());
        if (!button || button->isHidden())
            continue;
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        playArea->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        placed.append({ button, row, column });
    }
    // Buttons stacked in one cell keep the order in which they were placed.
    std::stable_sort(placed.begin(), placed.end(), [](const Placed &first, const Placed &second) {
        return std::tie(first.row, first.column) < std::tie(second.row, second.column);
    });
    QList<GameButton *> buttons;
    for (const Placed &entry : placed)
        buttons.append(entry.button);
    return buttons;
}

bool PlayAreaKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *receiver = qobject_cast<QWidget *>(watched);
    if (!receiver || (receiver != window && !window->isAncestorOf(receiver)))
        return false;
    return handle(static_cast<QKeyEvent *>(event));
}

bool PlayAreaKeys::handle(const QKeyEvent *event)
{
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    QList<GameButton *> buttons;
    for (GameButton *button : buttonsInReadingOrder()) {
        if (button->isVisible() && button->isEnabled())
            buttons.append(button);
    }
    if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_9) {
        const int position = event->key() - Qt::Key_1;
        // A digit beyond the buttons does nothing, and it does not reach the text view either.
        if (position < buttons.size())
            buttons.at(position)->click();
        return true;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && buttons.size() == 1) {
        buttons.first()->click();
        return true;
    }
    return false;
}
