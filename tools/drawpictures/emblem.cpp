#include "emblem.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

namespace {

// The emblem is drawn on a 256-unit square, then scaled to the requested area.
const qreal designSize = 256.0;
const QColor gold(0xe8, 0xb4, 0x2c);
const QColor darkGold(0x8a, 0x5a, 0x0c);
const QColor outline(0x2a, 0x1a, 0x10);

QPainterPath mirrored(const QPainterPath &path)
{
    return QTransform(-1, 0, 0, 1, designSize, 0).map(path);
}

QPainterPath leftPage(qreal spread)
{
    QPainterPath page;
    page.moveTo(128, 150);
    page.cubicTo(104, 128, 56, 124, 16 - spread, 140 - spread);
    page.lineTo(16 - spread, 214 + spread);
    page.cubicTo(56, 198, 104, 204, 128, 226 + spread);
    page.closeSubpath();
    return page;
}

void paintBook(QPainter &painter)
{
    // The leather cover shows as a rim around the pages.
    QLinearGradient leather(0, 130, 0, 240);
    leather.setColorAt(0.0, QColor(0x9b, 0x2d, 0x22));
    leather.setColorAt(1.0, QColor(0x5a, 0x12, 0x0e));
    const QPainterPath coverLeft = leftPage(8);
    QPainterPath cover = coverLeft.united(mirrored(coverLeft));
    painter.setPen(QPen(outline, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(leather);
    painter.drawPath(cover);

    QLinearGradient paper(16, 0, 128, 0);
    paper.setColorAt(0.0, QColor(0xfb, 0xf3, 0xdc));
    paper.setColorAt(0.85, QColor(0xf0, 0xe0, 0xb8));
    paper.setColorAt(1.0, QColor(0xc9, 0xb2, 0x82));
    painter.setPen(QPen(QColor(0x7a, 0x5c, 0x36), 2.5));
    painter.setBrush(paper);
    const QPainterPath pageLeft = leftPage(0);
    painter.drawPath(pageLeft);
    QLinearGradient paperRight(240, 0, 128, 0);
    paperRight.setStops(paper.stops());
    painter.setBrush(paperRight);
    painter.drawPath(mirrored(pageLeft));

    // Lines of writing follow the curve of each page.
    painter.setPen(QPen(QColor(0x9a, 0x85, 0x66), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int line = 0; line < 4; ++line) {
        const qreal drop = 16.0 * line;
        QPainterPath writing;
        writing.moveTo(30, 158 + drop);
        writing.cubicTo(56, 146 + drop, 86, 148 + drop, 112, 162 + drop);
        painter.drawPath(writing);
        painter.drawPath(mirrored(writing));
    }
}

QPainterPath shieldOutline()
{
    QPainterPath shield;
    shield.moveTo(62, 26);
    shield.quadTo(128, 40, 194, 26);
    shield.lineTo(194, 98);
    shield.cubicTo(194, 150, 162, 182, 128, 208);
    shield.cubicTo(94, 182, 62, 150, 62, 98);
    shield.closeSubpath();
    return shield;
}

void paintShield(QPainter &painter)
{
    const QPainterPath shield = shieldOutline();
    QRadialGradient enamel(QPointF(108, 70), 150);
    enamel.setColorAt(0.0, QColor(0x3a, 0x6c, 0xd8));
    enamel.setColorAt(0.6, QColor(0x1c, 0x3c, 0x92));
    enamel.setColorAt(1.0, QColor(0x0c, 0x1a, 0x4a));
    painter.setPen(QPen(outline, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shield);
    painter.setPen(QPen(gold, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(enamel);
    painter.drawPath(shield);
}

void paintLetterV(QPainter &painter)
{
    QPainterPath letter;
    letter.moveTo(80, 54);
    letter.lineTo(114, 54);
    letter.lineTo(128, 124);
    letter.lineTo(142, 54);
    letter.lineTo(176, 54);
    letter.lineTo(138, 172);
    letter.lineTo(118, 172);
    letter.closeSubpath();
    QLinearGradient metal(0, 54, 0, 172);
    metal.setColorAt(0.0, QColor(0xff, 0xec, 0x9a));
    metal.setColorAt(0.5, gold);
    metal.setColorAt(1.0, QColor(0xb0, 0x74, 0x10));
    painter.setPen(QPen(darkGold.darker(140), 4, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.setBrush(metal);
    painter.drawPath(letter);
}

// A small four-pointed star crowns the letter, as a spark of adventure.
void paintStar(QPainter &painter)
{
    QPainterPath star;
    const QPointF centre(128, 40);
    star.moveTo(centre + QPointF(0, -14));
    star.quadTo(centre, centre + QPointF(12, 0));
    star.quadTo(centre, centre + QPointF(0, 14));
    star.quadTo(centre, centre + QPointF(-12, 0));
    star.quadTo(centre, centre + QPointF(0, -14));
    painter.setPen(QPen(darkGold, 1.5));
    painter.setBrush(QColor(0xff, 0xf4, 0xc0));
    painter.drawPath(star);
}

} // namespace

void paintEmblem(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / designSize, area.height() / designSize);
    paintBook(painter);
    paintShield(painter);
    paintLetterV(painter);
    paintStar(painter);
    painter.restore();
}
