#ifndef GAMEBUTTON_H
#define GAMEBUTTON_H

#include "playaction.h"

#include <QPushButton>

// A button of the play area. It carries the action a press hands the game; its type says
// what the press means to whoever reads it ("Eat", "Luck", "Attack", "Flee", "Choice", or
// empty for "Terminer") and its object name holds the paragraph it leads to, where it
// leads somewhere.
//
// Books give whole sentences as captions, so the caption (still the button's text) is
// drawn wrapped on as many lines as the button's width needs, breaking inside a word
// longer than a line; it is never cut. The button is as tall as its wrapped caption at the
// width a layout gives it, and asks for little width, so that columns of buttons share the
// room they have rather than widening it.
class GameButton : public QPushButton {
    Q_OBJECT

public:
    explicit GameButton(const QString &caption, QWidget *parent = nullptr);

    QString buttonType() const;
    void setButtonType(const QString &type);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;
    // Where the caption is drawn, inside the button's frame and margins.
    QRect captionRect() const;

    const PlayAction &playAction() const;
    // Takes the action's type, target and state; the caption stays the one given.
    void setPlayAction(const PlayAction &action);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Room that the frame and margins take around the caption.
    QSize padding() const;

    QString m_buttonType;
    // The last height given for a width: layouts ask again and again for the same.
    mutable QString measuredCaption;
    mutable int measuredWidth = -1;
    mutable int measuredHeight = 0;
    PlayAction m_playAction;
};

#endif // GAMEBUTTON_H
