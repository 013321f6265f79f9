#include "zoomkeys.h"

#include "booktextview.h"
#include "textzoom.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

namespace {

// One notch of an ordinary mouse wheel, in eighths of a degree.
constexpr int wheelNotch = 120;

} // namespace

ZoomKeys::ZoomKeys(QWidget *window, QWidget *playArea)
    : QObject(window)
    , window(window)
    , playArea(playArea)
{
    apply();
    QCoreApplication::instance()->installEventFilter(this);
}

void ZoomKeys::apply()
{
    playArea->setFont(TextZoom::captionFont(window->font()));
    for (BookTextView *view : playArea->findChildren<BookTextView *>())
        view->setFont(TextZoom::textFont());
}

bool ZoomKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::Wheel)
        return false;
    auto *receiver = qobject_cast<QWidget *>(watched);
    if (!receiver || (receiver != window && !window->isAncestorOf(receiver)))
        return false;
    if (event->type() == QEvent::KeyPress)
        return key(static_cast<QKeyEvent *>(event));
    return wheel(static_cast<QWheelEvent *>(event));
}

bool ZoomKeys::key(const QKeyEvent *event)
{
    // Shift is part of "+" on most keyboards, and the keypad may be used.
    if ((event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::ControlModifier)
        return false;
    bool changed = false;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        changed = TextZoom::zoomIn();
        break;
    case Qt::Key_Minus:
        changed = TextZoom::zoomOut();
        break;
    case Qt::Key_0:
        changed = TextZoom::reset();
        break;
    default:
        return false;
    }
    if (changed)
        apply();
    return true;
}

bool ZoomKeys::wheel(const QWheelEvent *event)
{
    if ((event->modifiers() & ~Qt::ShiftModifier) != Qt::ControlModifier)
        return false;
    pendingWheelAngle += event->angleDelta().y();
    bool changed = false;
    for (; pendingWheelAngle >= wheelNotch; pendingWheelAngle -= wheelNotch)
        changed = TextZoom::zoomIn() || changed;
    for (; pendingWheelAngle <= -wheelNotch; pendingWheelAngle += wheelNotch)
        changed = TextZoom::zoomOut() || changed;
    if (changed)
        apply();
    return true;
}
