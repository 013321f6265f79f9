#include "gamebutton.h"

namespace {

QString typeOf(PlayAction::Kind kind)
{
    switch (kind) {
    case PlayAction::Kind::Meal:
        return QStringLiteral("Eat");
    case PlayAction::Kind::Luck:
        return QStringLiteral("Luck");
    case PlayAction::Kind::Attack:
        return QStringLiteral("Attack");
    case PlayAction::Kind::Flee:
        return QStringLiteral("Flee");
    case PlayAction::Kind::Choice:
        return QStringLiteral("Choice");
    case PlayAction::Kind::End:
        break;
    }
    return QString();
}

} // namespace

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

const PlayAction &GameButton::playAction() const
{
    return m_playAction;
}

void GameButton::setPlayAction(const PlayAction &action)
{
    m_playAction = action;
    setButtonType(typeOf(action.kind));
    if (!action.target.isEmpty())
        setObjectName(action.target);
    setEnabled(action.enabled);
}
