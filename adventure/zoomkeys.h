#ifndef ZOOMKEYS_H
#define ZOOMKEYS_H

#include <QObject>

class QKeyEvent;
class QWheelEvent;
class QWidget;

// Makes the play area's text and captions larger or smaller from anywhere in the adventure
// window: Ctrl++ (or Ctrl+=) and Ctrl+wheel up enlarge, Ctrl+- and Ctrl+wheel down reduce,
// Ctrl+0 goes back to the normal size. Like the keys of keyboard play, it listens to the
// whole application, ahead of the widget that has the focus.
class ZoomKeys : public QObject {
    Q_OBJECT

public:
    // Gives the play area the size already chosen, and keeps it up to date.
    ZoomKeys(QWidget *window, QWidget *playArea);

    // Sets the fonts of the play area's captions and texts to the chosen size.
    void apply();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // True when the event was a zoom, whether or not the size could still change.
    bool key(const QKeyEvent *event);
    bool wheel(const QWheelEvent *event);

    QWidget *window;
    QWidget *playArea;
    // Wheel turns not yet made into steps: a fine wheel or a touchpad turns in small parts.
    int pendingWheelAngle = 0;
};

#endif // ZOOMKEYS_H
