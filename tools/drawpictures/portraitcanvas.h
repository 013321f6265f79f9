#ifndef PORTRAITCANVAS_H
#define PORTRAITCANVAS_H

#include <QSize>

class QColor;
class QImage;
class QPainter;

// All portraits share one size so the combat dialog's columns line up.
const QSize portraitSize(160, 150);

// An opaque portrait-sized picture filled with a vertical gradient, `scale` times as many
// pixels each way; a painter on it still draws in portrait units.
QImage newPortraitCanvas(const QColor &top, const QColor &bottom, int scale);

// A thin dark frame with a light inner edge, drawn last over the portrait.
void paintPortraitFrame(QPainter &painter);

#endif // PORTRAITCANVAS_H
