#include "logoandbrand.h"

#include "emblem.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QSize brandSize(190, 64);
const QString brandName = QStringLiteral("Valdoriel");

// A painter on it draws in units of `size`, each `scale` pixels wide.
QImage transparentPicture(const QSize &size, int scale = 1)
{
    QImage picture(size * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    return picture;
}

// The largest bold serif font whose rendering of the name fits `width`.
QFont brandFont(qreal width)
{
    QFont font(QStringLiteral("P052"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    for (int pixelSize = 40; pixelSize > 8; --pixelSize) {
        font.setPixelSize(pixelSize);
        if (QFontMetricsF(font).horizontalAdvance(brandName) <= width)
            break;
    }
    return font;
}

// The name is drawn as a path so it can carry a gradient and a light outline
// that keeps it legible on any window colour.
void paintBrandName(QPainter &painter, const QRectF &area)
{
    const QFont font = brandFont(area.width());
    const QFontMetricsF metrics(font);
    const qreal baseline = area.center().y() + (metrics.ascent() - metrics.descent()) / 2.0;
    QPainterPath name;
    name.addText(QPointF(area.left(), baseline), font, brandName);

    QLinearGradient ink(0, baseline - metrics.ascent(), 0, baseline);
    ink.setColorAt(0.0, QColor(0x2c, 0x52, 0xb0));
    ink.setColorAt(1.0, QColor(0x10, 0x22, 0x5e));
    painter.setPen(QPen(QColor(0xff, 0xfa, 0xe8, 200), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(name);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(name);

    // A golden rule under the name echoes the emblem's gold.
    const qreal ruleY = baseline + metrics.descent() / 2.0 + 2.0;
    QLinearGradient rule(area.left(), 0, area.right(), 0);
    rule.setColorAt(0.0, QColor(0xc8, 0x8c, 0x18));
    rule.setColorAt(1.0, QColor(0xe8, 0xb4, 0x2c, 0));
    painter.setPen(QPen(QBrush(rule), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(area.left() + 2.0, ruleY), QPointF(area.right(), ruleY));
}

} // namespace

QImage drawLogo(int side)
{
    QImage picture = transparentPicture(QSize(side, side));
    QPainter painter(&picture);
    paintEmblem(painter, QRectF(0, 0, side, side));
    return picture;
}

QImage drawBrandMark(int scale)
{
    QImage picture = transparentPicture(brandSize, scale);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal emblemSide = brandSize.height();
    paintEmblem(painter, QRectF(0, 0, emblemSide, emblemSide));
    const qreal gap = 4.0;
    paintBrandName(painter,
                   QRectF(emblemSide + gap, 0, brandSize.width() - emblemSide - gap - 2.0, brandSize.height()));
    return picture;
}
