#include "gamebutton.h"

GameButton::GameButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
}

QString GameButton::buttonType() const
{
    return m_buttonType;
}

void GameButton::setButtonType(const QString &type)
{
    m_buttonType = type;
}
