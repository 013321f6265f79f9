#include "diefaces.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QVector>

namespace {

const int pictureSize = 64;
const QRectF dieSquare(3.0, 2.0, 56.0, 56.0);
const qreal cornerRadius = 10.0;
const qreal pipRadius = 5.5;

// Pip centres on a 3 × 3 grid, as fractions of the die square: 0 is the first
// row or column, 1 the middle one, 2 the last.
struct GridPoint {
    int column;
    int row;
};

QVector<GridPoint> standardLayout(int face)
{
    const GridPoint topLeft { 0, 0 }, topRight { 2, 0 }, middleLeft { 0, 1 }, centre { 1, 1 }, middleRight { 2, 1 },
        bottomLeft { 0, 2 }, bottomRight { 2, 2 };
    switch (face) {
    case 1:
        return { centre };
    case 2:
        return { topRight, bottomLeft };
    case 3:
        return { topRight, centre, bottomLeft };
    case 4:
        return { topLeft, topRight, bottomLeft, bottomRight };
    case 5:
        return { topLeft, topRight, centre, bottomLeft, bottomRight };
    case 6:
        return { topLeft, topRight, middleLeft, middleRight, bottomLeft, bottomRight };
    default:
        return {};
    }
}

QPointF pipCentre(GridPoint point)
{
    const qreal step = dieSquare.width() / 4.0;
    return dieSquare.topLeft() + QPointF(step * (point.column + 1), step * (point.row + 1));
}

void paintShadow(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRoundedRect(dieSquare.translated(2.0, 3.0), cornerRadius, cornerRadius);
    painter.setBrush(QColor(0, 0, 0, 30));
    painter.drawRoundedRect(dieSquare.translated(1.0, 1.5), cornerRadius, cornerRadius);
}

void paintBody(QPainter &painter)
{
    QLinearGradient ivory(dieSquare.topLeft(), dieSquare.bottomRight());
    ivory.setColorAt(0.0, QColor(0xff, 0xfe, 0xf8));
    ivory.setColorAt(0.6, QColor(0xf6, 0xf0, 0xde));
    ivory.setColorAt(1.0, QColor(0xe2, 0xd8, 0xbe));
    painter.setPen(QPen(QColor(0x8c, 0x80, 0x68), 1.2));
    painter.setBrush(ivory);
    painter.drawRoundedRect(dieSquare, cornerRadius, cornerRadius);
}

// A pip is a small dark hollow, lit from the upper left.
void paintPip(QPainter &painter, const QPointF &centre)
{
    QRadialGradient hollow(centre + QPointF(1.2, 1.2), pipRadius, centre - QPointF(1.5, 1.5));
    hollow.setColorAt(0.0, QColor(0x55, 0x4c, 0x44));
    hollow.setColorAt(1.0, QColor(0x1a, 0x16, 0x14));
    painter.setPen(QPen(QColor(0xb8, 0xac, 0x90), 0.8));
    painter.setBrush(hollow);
    painter.drawEllipse(centre, pipRadius, pipRadius);
}

} // namespace

QImage drawDieFace(int face, int scale)
{
    QImage picture(pictureSize * scale, pictureSize * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintShadow(painter);
    paintBody(painter);
    for (const GridPoint &point : standardLayout(face))
        paintPip(painter, pipCentre(point));
    return picture;
}
