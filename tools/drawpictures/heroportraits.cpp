#include "heroportraits.h"

#include "portraitcanvas.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace {

const QColor outline(0x24, 0x1a, 0x12);
const QColor skin(0xf0, 0xc2, 0x8e);
const QColor gold(0xe0, 0xaa, 0x2a);

QPen outlinePen(qreal width = 1.5)
{
    return QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Shoulders and chest, widening towards the bottom edge.
QPainterPath torsoOutline(qreal shoulderTop)
{
    QPainterPath torso;
    torso.moveTo(26, 151);
    torso.lineTo(32, shoulderTop + 26);
    torso.quadTo(34, shoulderTop + 2, 60, shoulderTop);
    torso.lineTo(100, shoulderTop);
    torso.quadTo(126, shoulderTop + 2, 128, shoulderTop + 26);
    torso.lineTo(134, 151);
    torso.closeSubpath();
    return torso;
}

void paintFace(QPainter &painter, const QPointF &centre, const QSizeF &size)
{
    QRadialGradient shading(centre - QPointF(size.width() * 0.2, size.height() * 0.2), size.width());
    shading.setColorAt(0.0, skin.lighter(108));
    shading.setColorAt(1.0, skin.darker(125));
    painter.setPen(outlinePen());
    painter.setBrush(shading);
    painter.drawEllipse(centre, size.width() / 2.0, size.height() / 2.0);
}

void paintEyes(QPainter &painter, const QPointF &left, const QPointF &right)
{
    painter.setPen(Qt::NoPen);
    for (const QPointF &eye : { left, right }) {
        painter.setBrush(Qt::white);
        painter.drawEllipse(eye, 3.2, 2.2);
        painter.setBrush(QColor(0x3a, 0x5a, 0x8a));
        painter.drawEllipse(eye, 1.8, 1.8);
        painter.setBrush(outline);
        painter.drawEllipse(eye, 0.9, 0.9);
    }
}

// ---- Knight ----

void paintHills(QPainter &painter)
{
    QPainterPath hills;
    hills.moveTo(0, 112);
    hills.cubicTo(40, 96, 80, 118, 120, 104);
    hills.cubicTo(140, 98, 152, 100, 160, 104);
    hills.lineTo(160, 150);
    hills.lineTo(0, 150);
    hills.closeSubpath();
    QLinearGradient grass(0, 96, 0, 150);
    grass.setColorAt(0.0, QColor(0x7c, 0xb3, 0x42));
    grass.setColorAt(1.0, QColor(0x33, 0x69, 0x1e));
    painter.setPen(Qt::NoPen);
    painter.setBrush(grass);
    painter.drawPath(hills);
}

void paintKnightBody(QPainter &painter)
{
    QLinearGradient mail(0, 76, 0, 150);
    mail.setColorAt(0.0, QColor(0xb4, 0xbc, 0xc6));
    mail.setColorAt(1.0, QColor(0x5e, 0x66, 0x70));
    painter.setPen(outlinePen());
    painter.setBrush(mail);
    painter.drawPath(torsoOutline(78));

    // A blue tabard with a golden border over the mail.
    QPainterPath tabard;
    tabard.moveTo(56, 151);
    tabard.lineTo(58, 88);
    tabard.quadTo(80, 96, 102, 88);
    tabard.lineTo(104, 151);
    tabard.closeSubpath();
    painter.setPen(QPen(gold, 2.5));
    painter.setBrush(QColor(0x24, 0x48, 0x9c));
    painter.drawPath(tabard);
    painter.setPen(QPen(gold, 5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(80, 104), QPointF(80, 140));
    painter.drawLine(QPointF(68, 116), QPointF(92, 116));
}

void paintKnightHead(QPainter &painter)
{
    // Mail hood framing the face.
    painter.setPen(outlinePen());
    painter.setBrush(QColor(0x8c, 0x94, 0x9e));
    painter.drawEllipse(QPointF(80, 58), 27, 30);

    paintFace(painter, QPointF(80, 60), QSizeF(32, 36));
    paintEyes(painter, QPointF(73, 57), QPointF(87, 57));
    painter.setPen(QPen(QColor(0x6a, 0x3e, 0x1c), 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(69, 52.5), QPointF(76, 52));
    painter.drawLine(QPointF(84, 52), QPointF(91, 52.5));
    painter.setPen(QPen(QColor(0x8a, 0x3a, 0x2a), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath mouth;
    mouth.moveTo(74, 70);
    mouth.quadTo(80, 73, 86, 70);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mouth);

    // Red plume streaming back from the crest.
    QPainterPath plume;
    plume.moveTo(80, 24);
    plume.cubicTo(92, 6, 116, 6, 128, 20);
    plume.cubicTo(112, 14, 100, 18, 88, 30);
    plume.closeSubpath();
    painter.setPen(outlinePen(1.2));
    painter.setBrush(QColor(0xc6, 0x28, 0x28));
    painter.drawPath(plume);

    // Steel dome with a rim and a nose guard.
    QPainterPath dome;
    dome.moveTo(53, 50);
    dome.cubicTo(52, 16, 108, 16, 107, 50);
    dome.closeSubpath();
    QRadialGradient steel(QPointF(70, 28), 44);
    steel.setColorAt(0.0, QColor(0xf4, 0xf6, 0xfa));
    steel.setColorAt(0.5, QColor(0xa8, 0xb0, 0xbc));
    steel.setColorAt(1.0, QColor(0x56, 0x5e, 0x6a));
    painter.setPen(outlinePen());
    painter.setBrush(steel);
    painter.drawPath(dome);
    painter.setBrush(QColor(0x78, 0x80, 0x8c));
    painter.drawRoundedRect(QRectF(51, 44, 58, 8), 3, 3);
    painter.drawRoundedRect(QRectF(77.5, 48, 5, 18), 2, 2);
}

void paintSword(QPainter &painter)
{
    painter.save();
    painter.translate(121, 104);
    painter.rotate(14);

    QPainterPath blade;
    blade.moveTo(-4.5, -8);
    blade.lineTo(-4.5, -80);
    blade.lineTo(0, -92);
    blade.lineTo(4.5, -80);
    blade.lineTo(4.5, -8);
    blade.closeSubpath();
    QLinearGradient steel(-4.5, 0, 4.5, 0);
    steel.setColorAt(0.0, QColor(0xf8, 0xfa, 0xff));
    steel.setColorAt(0.5, QColor(0xc0, 0xc8, 0xd4));
    steel.setColorAt(1.0, QColor(0x80, 0x88, 0x96));
    painter.setPen(outlinePen(1.2));
    painter.setBrush(steel);
    painter.drawPath(blade);
    painter.setPen(QPen(QColor(0x80, 0x88, 0x96), 1.0));
    painter.drawLine(QPointF(0, -12), QPointF(0, -78));

    painter.setPen(outlinePen(1.2));
    painter.setBrush(QColor(0x6a, 0x3e, 0x1c));
    painter.drawRect(QRectF(-2.5, -6, 5, 20));
    painter.setBrush(gold);
    painter.drawRoundedRect(QRectF(-15, -11, 30, 5), 2, 2);
    painter.drawEllipse(QPointF(0, 16), 4, 4);
    painter.restore();
}

void paintSwordArm(QPainter &painter)
{
    painter.setPen(QPen(outline, 17, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(112, 86), QPointF(120, 104));
    painter.setPen(QPen(QColor(0x9a, 0xa2, 0xac), 14, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(112, 86), QPointF(120, 104));
}

void paintGauntlet(QPainter &painter)
{
    painter.setPen(outlinePen());
    painter.setBrush(QColor(0x7a, 0x4a, 0x22));
    painter.drawEllipse(QPointF(121, 104), 7, 6);
}

void paintKnightShield(QPainter &painter)
{
    QPainterPath shield;
    shield.moveTo(14, 84);
    shield.lineTo(68, 84);
    shield.lineTo(68, 110);
    shield.cubicTo(68, 130, 56, 142, 41, 149);
    shield.cubicTo(26, 142, 14, 130, 14, 110);
    shield.closeSubpath();
    QRadialGradient paint(QPointF(32, 96), 60);
    paint.setColorAt(0.0, QColor(0xe0, 0x4a, 0x3a));
    paint.setColorAt(1.0, QColor(0x7a, 0x18, 0x12));
    painter.setPen(outlinePen(5));
    painter.setBrush(paint);
    painter.drawPath(shield);
    painter.setPen(QPen(gold, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(shield);

    // A golden chevron as the knight's arms.
    QPainterPath chevron;
    chevron.moveTo(20, 124);
    chevron.lineTo(41, 100);
    chevron.lineTo(62, 124);
    painter.setPen(QPen(gold, 7, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(chevron);
}

// ---- Wizard ----

void paintStars(QPainter &painter)
{
    static const QPointF stars[] = {
        { 12, 14 }, { 30, 40 },  { 52, 10 }, { 140, 16 }, { 150, 52 }, { 118, 8 },
        { 20, 78 }, { 146, 88 }, { 8, 110 }, { 40, 58 },  { 132, 66 }, { 60, 30 },
    };
    painter.setPen(Qt::NoPen);
    int index = 0;
    for (const QPointF &star : stars) {
        const qreal radius = (index++ % 3 == 0) ? 1.6 : 1.0;
        painter.setBrush(QColor(0xff, 0xf8, 0xd8));
        painter.drawEllipse(star, radius, radius);
    }
}

void paintMoon(QPainter &painter)
{
    QPainterPath moon;
    moon.addEllipse(QPointF(26, 24), 13, 13);
    QPainterPath bite;
    bite.addEllipse(QPointF(32, 19), 12, 12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xfa, 0xec, 0xb0));
    painter.drawPath(moon.subtracted(bite));
}

void paintRobe(QPainter &painter)
{
    QLinearGradient cloth(0, 84, 0, 150);
    cloth.setColorAt(0.0, QColor(0x8e, 0x44, 0xb8));
    cloth.setColorAt(1.0, QColor(0x4a, 0x1c, 0x6a));
    painter.setPen(outlinePen());
    painter.setBrush(cloth);
    painter.drawPath(torsoOutline(88));
    // Golden trim down the front of the robe.
    painter.setPen(QPen(gold, 3));
    painter.drawLine(QPointF(80, 100), QPointF(80, 151));
}

void paintBeard(QPainter &painter)
{
    QPainterPath beard;
    beard.moveTo(62, 77);
    beard.cubicTo(60, 105, 70, 129, 80, 145);
    beard.cubicTo(90, 129, 100, 105, 98, 77);
    beard.cubicTo(92, 87, 68, 87, 62, 77);
    beard.closeSubpath();
    QLinearGradient hair(0, 77, 0, 145);
    hair.setColorAt(0.0, QColor(0xfa, 0xfa, 0xf6));
    hair.setColorAt(1.0, QColor(0xc8, 0xc8, 0xc4));
    painter.setPen(outlinePen(1.2));
    painter.setBrush(hair);
    painter.drawPath(beard);
    painter.setPen(QPen(QColor(0xa8, 0xa8, 0xa4), 1.0));
    painter.drawLine(QPointF(74, 95), QPointF(77, 123));
    painter.drawLine(QPointF(86, 95), QPointF(83, 123));

    // Moustache over the beard.
    QPainterPath moustache;
    moustache.moveTo(80, 81);
    moustache.cubicTo(72, 77, 66, 81, 62, 87);
    moustache.cubicTo(70, 85, 76, 85, 80, 84);
    moustache.cubicTo(84, 85, 90, 85, 98, 87);
    moustache.cubicTo(94, 81, 88, 77, 80, 81);
    painter.setPen(outlinePen(1.0));
    painter.setBrush(QColor(0xee, 0xee, 0xea));
    painter.drawPath(moustache);
}

void paintWizardFace(QPainter &painter)
{
    paintFace(painter, QPointF(80, 71), QSizeF(34, 36));
    paintEyes(painter, QPointF(73, 69), QPointF(87, 69));
    // Bushy white eyebrows.
    painter.setPen(QPen(QColor(0xf0, 0xf0, 0xec), 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(68, 64), QPointF(77, 63));
    painter.drawLine(QPointF(83, 63), QPointF(92, 64));
    painter.setPen(QPen(skin.darker(150), 1.0));
    painter.setBrush(skin.darker(108));
    painter.drawEllipse(QPointF(80, 76), 3.5, 4.5);
}

void paintWizardHat(QPainter &painter)
{
    QPainterPath cone;
    cone.moveTo(56, 54);
    cone.cubicTo(66, 36, 80, 16, 112, 4);
    cone.cubicTo(98, 18, 98, 38, 104, 54);
    cone.closeSubpath();
    QLinearGradient felt(56, 0, 110, 0);
    felt.setColorAt(0.0, QColor(0x9c, 0x50, 0xc8));
    felt.setColorAt(1.0, QColor(0x52, 0x20, 0x78));
    painter.setPen(outlinePen());
    painter.setBrush(felt);
    painter.drawPath(cone);

    painter.setBrush(gold);
    QPainterPath band;
    band.moveTo(58, 50);
    band.quadTo(80, 44, 103, 50);
    band.lineTo(104, 56);
    band.quadTo(80, 50, 57, 56);
    band.closeSubpath();
    painter.drawPath(band);

    painter.setBrush(felt);
    painter.drawEllipse(QPointF(80, 56), 40, 7);

    // A golden star on the cone.
    QPainterPath star;
    const QPointF centre(84, 34);
    for (int point = 0; point < 10; ++point) {
        const qreal radius = (point % 2 == 0) ? 6.5 : 2.8;
        const qreal angle = -M_PI / 2 + point * M_PI / 5;
        const QPointF corner = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (point == 0)
            star.moveTo(corner);
        else
            star.lineTo(corner);
    }
    star.closeSubpath();
    painter.setPen(outlinePen(0.8));
    painter.setBrush(QColor(0xff, 0xd8, 0x40));
    painter.drawPath(star);
}

void paintStaff(QPainter &painter)
{
    painter.setPen(QPen(outline, 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(132, 150), QPointF(132, 40));
    painter.setPen(QPen(QColor(0x8a, 0x5a, 0x2c), 4.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(132, 150), QPointF(132, 40));

    QRadialGradient glow(QPointF(132, 32), 22);
    glow.setColorAt(0.0, QColor(0xc8, 0xff, 0xff, 230));
    glow.setColorAt(0.4, QColor(0x50, 0xd8, 0xff, 120));
    glow.setColorAt(1.0, QColor(0x50, 0xd8, 0xff, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(132, 32), 22, 22);
    QRadialGradient orb(QPointF(129, 29), 9);
    orb.setColorAt(0.0, Qt::white);
    orb.setColorAt(1.0, QColor(0x20, 0x9c, 0xd8));
    painter.setPen(outlinePen(1.0));
    painter.setBrush(orb);
    painter.drawEllipse(QPointF(132, 32), 8, 8);

    // The hand gripping the staff.
    painter.setPen(outlinePen());
    painter.setBrush(skin);
    painter.drawRoundedRect(QRectF(125, 96, 14, 12), 5, 5);
}

} // namespace

QImage drawKnightPortrait(int scale)
{
    QImage picture = newPortraitCanvas(QColor(0x5a, 0x96, 0xd6), QColor(0xd8, 0xea, 0xf8), scale);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintHills(painter);
    paintKnightBody(painter);
    paintKnightHead(painter);
    paintSwordArm(painter);
    paintSword(painter);
    paintGauntlet(painter);
    paintKnightShield(painter);
    paintPortraitFrame(painter);
    return picture;
}

QImage drawWizardPortrait(int scale)
{
    QImage picture = newPortraitCanvas(QColor(0x0c, 0x10, 0x30), QColor(0x2a, 0x4a, 0x7a), scale);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintStars(painter);
    paintMoon(painter);
    paintRobe(painter);
    paintWizardFace(painter);
    paintBeard(painter);
    paintWizardHat(painter);
    paintStaff(painter);
    paintPortraitFrame(painter);
    return picture;
}
