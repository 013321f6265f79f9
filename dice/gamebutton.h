#ifndef GAMEBUTTON_H
#define GAMEBUTTON_H

#include <QPushButton>

// A button of the play area. Its type says what a press means ("Eat", "Luck", "Attack",
// "Flee", "Choice", or empty for "Terminer"); its object name holds the paragraph it
// leads to, where it leads somewhere.
class GameButton : public QPushButton {
    Q_OBJECT

public:
    explicit GameButton(const QString &caption, QWidget *parent = nullptr);

    QString buttonType() const;
    void setButtonType(const QString &type);

private:
    QString m_buttonType;
};

#endif // GAMEBUTTON_H
