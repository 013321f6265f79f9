#include "monsterportraits.h"

#include "portraitcanvas.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

namespace {

const QColor outline(0x1e, 0x10, 0x0a);
const QColor ivory(0xf4, 0xec, 0xd0);

QPen outlinePen(qreal width = 1.5)
{
    return QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Mirrors a path drawn on the left half of a portrait onto the right half.
QPainterPath mirrored(const QPainterPath &path)
{
    return QTransform(-1, 0, 0, 1, portraitSize.width(), 0).map(path);
}

void drawSymmetric(QPainter &painter, const QPainterPath &leftHalf)
{
    painter.drawPath(leftHalf);
    painter.drawPath(mirrored(leftHalf));
}

// ---- Orc ----

void paintFireGlow(QPainter &painter)
{
    QRadialGradient glow(QPointF(80, 70), 110);
    glow.setColorAt(0.0, QColor(0xf0, 0x8a, 0x2a));
    glow.setColorAt(0.5, QColor(0xa0, 0x34, 0x12));
    glow.setColorAt(1.0, QColor(0x2a, 0x08, 0x04));
    painter.fillRect(QRectF(QPointF(0, 0), portraitSize), glow);
}

void paintOrcShoulders(QPainter &painter)
{
    QPainterPath body;
    body.moveTo(10, 151);
    body.lineTo(18, 118);
    body.quadTo(24, 100, 56, 98);
    body.lineTo(104, 98);
    body.quadTo(136, 100, 142, 118);
    body.lineTo(150, 151);
    body.closeSubpath();
    painter.setPen(outlinePen());
    painter.setBrush(QColor(0x5a, 0x3a, 0x22));
    painter.drawPath(body);

    // Iron pauldrons with spikes.
    QLinearGradient iron(0, 96, 0, 130);
    iron.setColorAt(0.0, QColor(0x9a, 0x9a, 0xa0));
    iron.setColorAt(1.0, QColor(0x44, 0x44, 0x4a));
    QPainterPath pauldron;
    pauldron.moveTo(8, 136);
    pauldron.cubicTo(6, 108, 28, 96, 54, 102);
    pauldron.cubicTo(50, 116, 40, 128, 8, 136);
    QPainterPath spike;
    spike.moveTo(16, 114);
    spike.lineTo(6, 92);
    spike.lineTo(26, 106);
    spike.moveTo(32, 104);
    spike.lineTo(30, 80);
    spike.lineTo(42, 101);
    painter.setBrush(QColor(0xd8, 0xd4, 0xc8));
    drawSymmetric(painter, spike);
    painter.setBrush(iron);
    drawSymmetric(painter, pauldron);
}

QPainterPath orcHeadOutline()
{
    QPainterPath head;
    head.moveTo(46, 56);
    head.cubicTo(44, 18, 116, 18, 114, 56);
    head.cubicTo(120, 72, 122, 88, 112, 102);
    head.cubicTo(100, 114, 60, 114, 48, 102);
    head.cubicTo(38, 88, 40, 72, 46, 56);
    head.closeSubpath();
    return head;
}

void paintOrcHead(QPainter &painter)
{
    QPainterPath ear;
    ear.moveTo(48, 52);
    ear.lineTo(14, 36);
    ear.quadTo(30, 60, 46, 72);
    ear.closeSubpath();
    QLinearGradient earSkin(14, 0, 48, 0);
    earSkin.setColorAt(0.0, QColor(0x5a, 0x8a, 0x2a));
    earSkin.setColorAt(1.0, QColor(0x3a, 0x64, 0x1a));
    painter.setPen(outlinePen());
    painter.setBrush(earSkin);
    drawSymmetric(painter, ear);

    QRadialGradient skin(QPointF(72, 50), 70);
    skin.setColorAt(0.0, QColor(0x8c, 0xc4, 0x4a));
    skin.setColorAt(0.6, QColor(0x5a, 0x92, 0x2c));
    skin.setColorAt(1.0, QColor(0x2e, 0x5a, 0x16));
    painter.setBrush(skin);
    painter.drawPath(orcHeadOutline());

    // A black topknot tied with a red cord.
    QPainterPath topknot;
    topknot.moveTo(72, 30);
    topknot.cubicTo(66, 12, 76, 2, 86, 6);
    topknot.cubicTo(80, 12, 84, 22, 88, 30);
    topknot.closeSubpath();
    painter.setBrush(QColor(0x1a, 0x14, 0x12));
    painter.drawPath(topknot);
    painter.setBrush(QColor(0xb0, 0x20, 0x18));
    painter.drawRoundedRect(QRectF(72, 24, 16, 6), 2, 2);
}

void paintOrcFace(QPainter &painter)
{
    // Angry brow ridge sloping down towards the nose.
    QPainterPath brow;
    brow.moveTo(52, 46);
    brow.lineTo(78, 56);
    brow.lineTo(78, 60);
    brow.lineTo(52, 52);
    brow.closeSubpath();
    painter.setPen(outlinePen(1.2));
    painter.setBrush(QColor(0x2c, 0x4a, 0x14));
    drawSymmetric(painter, brow);

    // Glowing yellow eyes with red pupils.
    QPainterPath eye;
    eye.moveTo(56, 58);
    eye.quadTo(66, 54, 74, 62);
    eye.quadTo(64, 66, 56, 58);
    QRadialGradient glow(QPointF(66, 60), 8);
    glow.setColorAt(0.0, QColor(0xff, 0xf4, 0x80));
    glow.setColorAt(1.0, QColor(0xf0, 0xa0, 0x10));
    painter.setBrush(glow);
    drawSymmetric(painter, eye);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc0, 0x10, 0x10));
    painter.drawEllipse(QPointF(67, 60), 2.4, 2.4);
    painter.drawEllipse(QPointF(93, 60), 2.4, 2.4);

    // Broad flat nose.
    painter.setPen(outlinePen(1.2));
    painter.setBrush(QColor(0x4e, 0x80, 0x24));
    QPainterPath nose;
    nose.moveTo(76, 62);
    nose.lineTo(72, 78);
    nose.quadTo(80, 82, 88, 78);
    nose.lineTo(84, 62);
    painter.drawPath(nose);
    painter.setBrush(outline);
    painter.drawEllipse(QPointF(76, 77), 2, 1.5);
    painter.drawEllipse(QPointF(84, 77), 2, 1.5);

    // A scar across the left cheek.
    painter.setPen(QPen(QColor(0xa0, 0x40, 0x30), 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(54, 66), QPointF(64, 80));
    painter.drawLine(QPointF(55, 72), QPointF(60, 70));
}

void paintOrcMouth(QPainter &painter)
{
    QPainterPath mouth;
    mouth.moveTo(56, 88);
    mouth.quadTo(80, 82, 104, 88);
    mouth.quadTo(80, 104, 56, 88);
    painter.setPen(outlinePen(1.5));
    painter.setBrush(QColor(0x4a, 0x0c, 0x0a));
    painter.drawPath(mouth);

    // Small upper teeth, then the great lower tusks rising past the lip.
    QPainterPath tooth;
    tooth.moveTo(68, 86);
    tooth.lineTo(71, 91);
    tooth.lineTo(74, 85.5);
    painter.setPen(outlinePen(0.8));
    painter.setBrush(ivory);
    drawSymmetric(painter, tooth);
    QPainterPath tusk;
    tusk.moveTo(58, 96);
    tusk.quadTo(56, 84, 62, 72);
    tusk.quadTo(64, 84, 68, 96);
    tusk.closeSubpath();
    painter.setPen(outlinePen(1.2));
    drawSymmetric(painter, tusk);
}

// ---- Dragon ----

void paintBurningSky(QPainter &painter)
{
    QRadialGradient fire(QPointF(20, 150), 140);
    fire.setColorAt(0.0, QColor(0xff, 0xb0, 0x40, 200));
    fire.setColorAt(0.5, QColor(0xd0, 0x40, 0x20, 90));
    fire.setColorAt(1.0, QColor(0xd0, 0x40, 0x20, 0));
    painter.fillRect(QRectF(QPointF(0, 0), portraitSize), fire);
}

QLinearGradient dragonScales(const QPointF &from, const QPointF &to)
{
    QLinearGradient scales(from, to);
    scales.setColorAt(0.0, QColor(0xd8, 0x3a, 0x2a));
    scales.setColorAt(1.0, QColor(0x6a, 0x10, 0x0c));
    return scales;
}

void paintDragonNeck(QPainter &painter)
{
    QPainterPath neck;
    neck.moveTo(96, 86);
    neck.cubicTo(104, 112, 100, 132, 92, 151);
    neck.lineTo(160, 151);
    neck.lineTo(160, 60);
    neck.cubicTo(150, 54, 136, 46, 124, 40);
    neck.closeSubpath();

    // Spikes along the back of the neck, drawn first so the neck overlaps them.
    QPainterPath spikes;
    const QPointF bases[] = { { 138, 46 }, { 150, 56 }, { 158, 70 } };
    for (const QPointF &base : bases) {
        spikes.moveTo(base + QPointF(-6, 0));
        spikes.lineTo(base + QPointF(10, -14));
        spikes.lineTo(base + QPointF(6, 4));
    }
    painter.setPen(outlinePen());
    painter.setBrush(QColor(0xf0, 0xc0, 0x50));
    painter.drawPath(spikes);

    painter.setBrush(dragonScales(QPointF(100, 60), QPointF(160, 150)));
    painter.drawPath(neck);

    // Pale belly plates along the front of the neck, clipped to its edge.
    QPainterPath belly;
    belly.moveTo(96, 86);
    belly.cubicTo(104, 112, 100, 132, 92, 151);
    belly.lineTo(114, 151);
    belly.cubicTo(120, 130, 122, 108, 112, 86);
    belly.closeSubpath();
    QLinearGradient plates(96, 0, 120, 0);
    plates.setColorAt(0.0, QColor(0xf8, 0xd8, 0x80));
    plates.setColorAt(1.0, QColor(0xd8, 0x98, 0x40));
    painter.setPen(outlinePen(1.2));
    painter.setBrush(plates);
    painter.drawPath(belly);
    painter.save();
    painter.setClipPath(belly);
    painter.setPen(QPen(QColor(0x9a, 0x5a, 0x1c), 1.2));
    for (qreal y = 98; y < 151; y += 11)
        painter.drawLine(QPointF(90, y), QPointF(124, y + 4));
    painter.restore();
}

void paintDragonJaws(QPainter &painter)
{
    QPainterPath mouthInside;
    mouthInside.moveTo(22, 76);
    mouthInside.lineTo(96, 80);
    mouthInside.lineTo(30, 110);
    mouthInside.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5a, 0x08, 0x10));
    painter.drawPath(mouthInside);

    QPainterPath lowerJaw;
    lowerJaw.moveTo(100, 84);
    lowerJaw.lineTo(30, 106);
    lowerJaw.quadTo(24, 110, 28, 116);
    lowerJaw.cubicTo(60, 112, 90, 104, 110, 96);
    lowerJaw.closeSubpath();
    painter.setPen(outlinePen());
    painter.setBrush(dragonScales(QPointF(40, 100), QPointF(100, 110)));
    painter.drawPath(lowerJaw);

    // Teeth along both jaws.
    painter.setPen(outlinePen(0.8));
    painter.setBrush(ivory);
    for (int tooth = 0; tooth < 5; ++tooth) {
        const qreal x = 28 + tooth * 12;
        QPainterPath upper;
        upper.moveTo(x, 76 + tooth * 0.6);
        upper.lineTo(x + 3, 86 + tooth * 0.6);
        upper.lineTo(x + 6, 76.5 + tooth * 0.6);
        painter.drawPath(upper);
        const qreal lowerY = 106 - tooth * 3.3;
        QPainterPath lower;
        lower.moveTo(x + 4, lowerY);
        lower.lineTo(x + 7, lowerY - 9);
        lower.lineTo(x + 10, lowerY - 1);
        painter.drawPath(lower);
    }
}

void paintDragonHead(QPainter &painter)
{
    // Horns swept back, behind the skull.
    QPainterPath horn;
    horn.moveTo(112, 44);
    horn.cubicTo(124, 20, 140, 10, 158, 6);
    horn.cubicTo(144, 16, 132, 30, 128, 48);
    horn.closeSubpath();
    QLinearGradient bone(112, 44, 158, 6);
    bone.setColorAt(0.0, QColor(0xe8, 0xdc, 0xb8));
    bone.setColorAt(1.0, QColor(0x8a, 0x7a, 0x58));
    painter.setPen(outlinePen());
    painter.setBrush(bone);
    painter.drawPath(horn);
    painter.drawPath(QTransform().translate(-14, 8).map(horn));

    QPainterPath skull;
    skull.moveTo(128, 44);
    skull.cubicTo(116, 30, 96, 32, 80, 44);
    skull.lineTo(34, 56);
    skull.quadTo(14, 60, 16, 72);
    skull.lineTo(20, 76);
    skull.lineTo(100, 82);
    skull.cubicTo(112, 80, 122, 68, 128, 44);
    skull.closeSubpath();
    painter.setBrush(dragonScales(QPointF(60, 40), QPointF(100, 90)));
    painter.drawPath(skull);

    // Nostril with a wisp of smoke.
    painter.setBrush(outline);
    painter.drawEllipse(QPointF(26, 62), 3, 2);
    painter.setPen(QPen(QColor(0xb0, 0xa8, 0xa0, 160), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath smoke;
    smoke.moveTo(22, 58);
    smoke.cubicTo(14, 50, 24, 44, 16, 36);
    smoke.cubicTo(10, 30, 18, 24, 12, 18);
    painter.drawPath(smoke);

    // Heavy brow over a yellow eye with a slit pupil.
    painter.setPen(outlinePen());
    painter.setBrush(QColor(0x5a, 0x0c, 0x08));
    QPainterPath brow;
    brow.moveTo(74, 46);
    brow.quadTo(92, 36, 110, 44);
    brow.lineTo(106, 50);
    brow.quadTo(92, 44, 78, 52);
    brow.closeSubpath();
    painter.drawPath(brow);
    QRadialGradient iris(QPointF(92, 56), 8);
    iris.setColorAt(0.0, QColor(0xff, 0xf0, 0x60));
    iris.setColorAt(1.0, QColor(0xe0, 0x90, 0x10));
    painter.setBrush(iris);
    painter.drawEllipse(QPointF(92, 56), 7.5, 5.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(outline);
    painter.drawEllipse(QPointF(92, 56), 1.4, 4.8);
}

} // namespace

QImage drawOrcPortrait(int scale)
{
    QImage picture = newPortraitCanvas(QColor(0x2a, 0x08, 0x04), QColor(0x2a, 0x08, 0x04), scale);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintFireGlow(painter);
    paintOrcShoulders(painter);
    paintOrcHead(painter);
    paintOrcFace(painter);
    paintOrcMouth(painter);
    paintPortraitFrame(painter);
    return picture;
}

QImage drawDragonPortrait(int scale)
{
    QImage picture = newPortraitCanvas(QColor(0x1e, 0x0a, 0x2a), QColor(0x8a, 0x2a, 0x30), scale);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBurningSky(painter);
    paintDragonNeck(painter);
    paintDragonJaws(painter);
    paintDragonHead(painter);
    paintPortraitFrame(painter);
    return picture;
}
