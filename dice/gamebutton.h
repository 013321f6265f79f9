#ifndef GAMEBUTTON_H
#define GAMEBUTTON_H

#include "playaction.h"

#include <QPushButton>

// A button of the play area. It carries the action a press hands the game; its type says
// what the press means to whoever reads it ("Eat", "Luck", "Attack", "Flee", "Choice", or
// empty for "Terminer") and its object name holds the paragraph it leads to, where it
// leads somewhere.
class GameButton : public QPushButton {
    Q_OBJECT

public:
    explicit GameButton(const QString &caption, QWidget *parent = nullptr);

    QString buttonType() const;
    void setButtonType(const QString &type);

    const PlayAction &playAction() const;
    // Takes the action's type, target and state; the caption stays the one given.
    void setPlayAction(const PlayAction &action);

private:
    QString m_buttonType;
    PlayAction m_playAction;
};

#endif // GAMEBUTTON_H
