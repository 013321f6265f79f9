#include "portraitcanvas.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

QImage newPortraitCanvas(const QColor &top, const QColor &bottom, int scale)
{
    QImage picture(portraitSize * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    QLinearGradient sky(0, 0, 0, portraitSize.height());
    sky.setColorAt(0.0, top);
    sky.setColorAt(1.0, bottom);
    QPainter painter(&picture);
    painter.fillRect(QRect(QPoint(0, 0), portraitSize), sky);
    return picture;
}

void paintPortraitFrame(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QRect outer(0, 0, portraitSize.width() - 1, portraitSize.height() - 1);
    painter.setPen(QColor(0x2a, 0x1e, 0x14));
    painter.drawRect(outer);
    painter.setPen(QColor(255, 255, 255, 70));
    painter.drawRect(outer.adjusted(1, 1, -1, -1));
    painter.restore();
}
