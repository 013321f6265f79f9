#ifndef PLAYAREAKEYS_H
#define PLAYAREAKEYS_H

#include <QList>
#include <QObject>

class GameButton;
class QGridLayout;
class QKeyEvent;
class QWidget;

// Plays the adventure window from the keyboard: the keys 1 to 9 press the first to ninth
// visible, enabled button of the play area in reading order, and Enter presses the button
// when the play area holds only one. It listens to the whole application, because the
// editable text view would otherwise take the digits for itself.
class PlayAreaKeys : public QObject {
    Q_OBJECT

public:
    PlayAreaKeys(QWidget *window, QGridLayout *playArea);

    // The buttons on show in the play area, row by row, then column by column.
    QList<GameButton *> buttonsInReadingOrder() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handle(const QKeyEvent *event);

    QWidget *window;
    QGridLayout *playArea;
};

#endif // PLAYAREAKEYS_H
