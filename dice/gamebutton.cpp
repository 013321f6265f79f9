#include "gamebutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

#include <cmath>

namespace {

// The widest a caption asks to be, in average characters: wider, it would rather wrap.
constexpr int preferredCaptionCharacters = 16;
// The narrowest it may be made, in average characters.
constexpr int narrowestCaptionCharacters = 3;

// Lays `caption` out in lines no wider than `width`, centred, breaking between words or,
// for a word longer than a line, inside it. Returns the height of the lines.
qreal layOut(QTextLayout *layout, qreal width)
{
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    qreal height = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout->endLayout();
    return height;
}

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
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QSize GameButton::padding() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), this);
}

QSize GameButton::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int width = qMin(metrics.horizontalAdvance(text()), preferredCaptionCharacters * metrics.averageCharWidth());
    const int paddedWidth = width + padding().width();
    return QSize(paddedWidth, heightForWidth(paddedWidth));
}

QSize GameButton::minimumSizeHint() const
{
    const QSize room = padding();
    return QSize(narrowestCaptionCharacters * fontMetrics().averageCharWidth() + room.width(),
                 fontMetrics().height() + room.height());
}

int GameButton::heightForWidth(int width) const
{
    if (width == measuredWidth && text() == measuredCaption)
        return measuredHeight;
    const QSize room = padding();
    QTextLayout layout(text(), font());
    const qreal lines = layOut(&layout, qMax(1, width - room.width()));
    measuredCaption = text();
    measuredWidth = width;
    measuredHeight = qMax(int(std::ceil(lines)), fontMetrics().height()) + room.height();
    return measuredHeight;
}

void GameButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        measuredWidth = -1;
    QPushButton::changeEvent(event);
}

QRect GameButton::captionRect() const
{
    const QSize room = padding();
    return rect().adjusted(room.width() / 2, room.height() / 2, -(room.width() - room.width() / 2),
                           -(room.height() - room.height() / 2));
}

// The button as the style draws it, with its focus rectangle, but for the caption, which
// is drawn wrapped and centred in its place.
void GameButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = captionRect();
    QTextLayout layout(text(), font());
    const qreal height = layOut(&layout, area.width());
    QPointF origin(area.left(), area.top() + (area.height() - height) / 2);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        origin += QPointF(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.setPen(option.palette.color(QPalette::ButtonText));
    layout.draw(&painter, origin);
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
