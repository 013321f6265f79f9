#ifndef EMBLEM_H
#define EMBLEM_H

class QPainter;
class QRectF;

// Paints the Valdoriel emblem, an open book behind a blue shield bearing a
// golden V, scaled to fill the square `area`.
void paintEmblem(QPainter &painter, const QRectF &area);

#endif // EMBLEM_H
