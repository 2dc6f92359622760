// The animals of the Chinese years: "R_VOSKRIS" (Rat) .. "R_VOSPIG0" (Pig),
// each a head (or, for the dragon, snake and rooster, a figure) in flat
// colours on a gold disc on a lacquer-red panel.
#include "CalendarArt.h"

#include "calendar/PageGeometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace calendar_art {

namespace {

const QColor ink(40, 25, 20);

void eyes(QPainter &p, double dx, double y, double r = 1.6) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(-dx, y), r, r);
    p.drawEllipse(QPointF(dx, y), r, r);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-dx + r * 0.35, y - r * 0.35), r * 0.35, r * 0.35);
    p.drawEllipse(QPointF(dx + r * 0.35, y - r * 0.35), r * 0.35, r * 0.35);
}

QPen outline(QColor c, double w = 0.8) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void rat(QPainter &p) {
    const QColor fur(150, 150, 160), dark(90, 90, 100), pink(240, 160, 170);
    p.setPen(outline(dark));
    p.setBrush(fur);
    p.drawEllipse(QPointF(-11, -9), 7, 7);
    p.drawEllipse(QPointF(11, -9), 7, 7);
    p.setBrush(pink);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(-11, -9), 4, 4);
    p.drawEllipse(QPointF(11, -9), 4, 4);
    QPainterPath head;
    head.moveTo(-11, -1);
    head.cubicTo(-11, -12, 11, -12, 11, -1);
    head.cubicTo(11, 6, 4, 12, 0, 15);
    head.cubicTo(-4, 12, -11, 6, -11, -1);
    fillOutlined(p, head, fur, dark, 0.8);
    p.setBrush(pink);
    p.drawEllipse(QPointF(0, 14.5), 2.2, 1.8);
    eyes(p, 4.5, 0);
    p.setPen(outline(dark, 0.5));
    for (int side : {-1, 1})
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(side * 3, 12), QPointF(side * 13, 9 + i * 3));
}

void ox(QPainter &p) {
    const QColor hide(140, 80, 40), dark(80, 40, 20), horn(245, 235, 210);
    for (int side : {-1, 1}) {
        QPainterPath h;
        h.moveTo(side * 7, -9);
        h.cubicTo(side * 16, -9, side * 20, -14, side * 19, -21);
        h.cubicTo(side * 17, -16, side * 13, -13, side * 7, -14);
        h.closeSubpath();
        fillOutlined(p, h, horn, QColor(150, 130, 100), 0.6);
        p.save();
        p.translate(side * 13, -6);
        p.rotate(side * 20);
        p.setPen(outline(dark));
        p.setBrush(hide);
        p.drawEllipse(QPointF(0, 0), 5, 2.8);
        p.restore();
    }
    QPainterPath head;
    head.addRoundedRect(QRectF(-10, -14, 20, 28), 9, 9);
    fillOutlined(p, head, hide, dark, 0.8);
    p.setPen(outline(QColor(170, 110, 70), 0.8));
    p.setBrush(QColor(230, 190, 160));
    p.drawEllipse(QPointF(0, 10), 10, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawEllipse(QPointF(-3.5, 10), 1.6, 2.2);
    p.drawEllipse(QPointF(3.5, 10), 1.6, 2.2);
    // A white blaze on the forehead.
    p.setBrush(QColor(250, 245, 235));
    p.drawEllipse(QPointF(0, -8), 3, 4);
    eyes(p, 5.5, -2);
}

void tiger(QPainter &p) {
    const QColor coat(240, 140, 30), stripe(40, 25, 20), white(252, 248, 240);
    for (int side : {-1, 1}) {
        QPainterPath ear;
        ear.moveTo(side * 5, -12);
        ear.lineTo(side * 14, -17);
        ear.lineTo(side * 14, -6);
        ear.closeSubpath();
        fillOutlined(p, ear, coat, stripe, 0.8);
        p.setBrush(stripe);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(side * 12, -12), 2, 2.5);
    }
    p.setPen(outline(stripe));
    p.setBrush(coat);
    p.drawEllipse(QPointF(0, 1), 15, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawEllipse(QPointF(-4.5, 7), 5.5, 5);
    p.drawEllipse(QPointF(4.5, 7), 5.5, 5);
    p.drawEllipse(QPointF(-8, -3), 3.5, 2.5);
    p.drawEllipse(QPointF(8, -3), 3.5, 2.5);
    p.setBrush(stripe);
    // Forehead stripes and cheek stripes as wedges.
    const double xs[] = {-4, 0, 4};
    for (double x : xs) {
        QPainterPath w;
        w.moveTo(x - 1.4, -13);
        w.lineTo(x + 1.4, -13);
        w.lineTo(x, -7 + (x == 0 ? 1 : 0));
        w.closeSubpath();
        p.drawPath(w);
    }
    for (int side : {-1, 1})
        for (int i = 0; i < 2; ++i) {
            QPainterPath w;
            w.moveTo(side * 15, -1 + i * 5);
            w.lineTo(side * 15, 2 + i * 5);
            w.lineTo(side * 9, 1 + i * 4);
            w.closeSubpath();
            p.drawPath(w);
        }
    QPainterPath nose;
    nose.moveTo(-2.5, 3);
    nose.lineTo(2.5, 3);
    nose.lineTo(0, 6);
    nose.closeSubpath();
    p.setBrush(QColor(220, 110, 120));
    p.drawPath(nose);
    eyes(p, 5.5, -3, 1.7);
}

void rabbit(QPainter &p) {
    const QColor fur(245, 242, 238), dark(140, 130, 130), pink(245, 170, 185);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(side * 5, -12);
        p.rotate(side * 12);
        p.setPen(outline(dark));
        p.setBrush(fur);
        p.drawEllipse(QPointF(0, -3), 4, 12);
        p.setPen(Qt::NoPen);
        p.setBrush(pink);
        p.drawEllipse(QPointF(0, -2), 2, 9);
        p.restore();
    }
    p.setPen(outline(dark));
    p.setBrush(fur);
    p.drawEllipse(QPointF(0, 6), 12, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 190, 200, 150));
    p.drawEllipse(QPointF(-7, 10), 2.5, 1.8);
    p.drawEllipse(QPointF(7, 10), 2.5, 1.8);
    p.setBrush(pink);
    p.drawEllipse(QPointF(0, 8), 1.8, 1.4);
    p.setPen(outline(dark, 0.6));
    p.drawLine(QPointF(0, 9.4), QPointF(0, 11));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-3, 9, 3, 3), 180 * 16, 180 * 16);
    p.drawArc(QRectF(0, 9, 3, 3), 180 * 16, 180 * 16);
    eyes(p, 5, 3, 1.8);
}

void dragon(QPainter &p) {
    const QColor scale(40, 160, 80), dark(10, 70, 40), mane(230, 60, 40), belly(250, 220, 120);
    const QColor horn(120, 60, 20);
    // The serpentine body behind the head: down from the neck, a loop along
    // the bottom of the disc, the tail rising on the right.
    QPainterPath body;
    body.moveTo(-8, 4);
    body.cubicTo(-16, 14, -6, 20, 2, 15);
    body.cubicTo(10, 10, 18, 14, 16, 20);
    QPainterPath tail;
    tail.moveTo(16, 20);
    tail.cubicTo(20, 14, 20, 8, 17, 9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark, 7.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(body);
    p.setPen(QPen(scale, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(body);
    p.setPen(QPen(belly, 1.6, Qt::DashLine, Qt::FlatCap));
    p.drawPath(body);
    p.setPen(QPen(scale.darker(110), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    // Spines along the back of the body.
    p.setPen(Qt::NoPen);
    p.setBrush(mane);
    for (const QPointF &at :
         {QPointF(-14, 10), QPointF(-9, 17.5), QPointF(6, 11.5), QPointF(13, 12.5)})
        p.drawPath(star(at, 2.4, 0.8, 3, -90));
    // The flame-like mane behind the head.
    fillOutlined(p, star(QPointF(-9, -4), 12, 6.5, 7, -60), mane, QColor(140, 20, 10), 0.7);
    // Branched antlers.
    p.setPen(QPen(horn, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-6, -9), QPointF(-13, -19));
    p.drawLine(QPointF(-10, -14.5), QPointF(-6, -18));
    p.drawLine(QPointF(-2, -10), QPointF(-5, -21));
    p.drawLine(QPointF(-3.5, -16), QPointF(0, -19));
    QPainterPath head;
    head.moveTo(-12, -8);
    head.cubicTo(-4, -13, 6, -10, 15, -7);
    head.lineTo(18, -3);
    head.lineTo(8, 0);
    head.lineTo(17, 4);
    head.cubicTo(10, 10, -6, 10, -11, 6);
    head.cubicTo(-16, 3, -16, -4, -12, -8);
    QLinearGradient g(0, -12, 0, 10);
    g.setColorAt(0, scale.lighter(135));
    g.setColorAt(1, scale.darker(120));
    fillOutlined(p, head, g, dark, 0.9);
    // Brow ridge, teeth, eye, nostril and the long whiskers.
    p.setPen(QPen(dark, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-2, -8.5), QPointF(5, -7.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath fang;
    fang.moveTo(10, -0.5);
    fang.lineTo(12.5, -0.5);
    fang.lineTo(11, 2.5);
    fang.closeSubpath();
    p.drawPath(fang);
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(QPointF(1.5, -4.5), 2.8, 2.2);
    p.setBrush(ink);
    p.drawEllipse(QPointF(2, -4.5), 0.8, 1.8);
    p.drawEllipse(QPointF(15, -5), 0.9, 0.9);
    p.setPen(QPen(QColor(150, 30, 20), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath whiskers;
    whiskers.moveTo(16, -4);
    whiskers.cubicTo(22, -6, 19, -14, 23, -17);
    whiskers.moveTo(14, 3);
    whiskers.cubicTo(18, 8, 12, 10, 16, 14);
    p.drawPath(whiskers);
}

void snake(QPainter &p) {
    const QColor body(110, 180, 60), dark(40, 90, 20), belly(230, 220, 120);
    QPainterPath coil;
    coil.moveTo(-14, 16);
    coil.cubicTo(-4, 21, 12, 20, 14, 14);
    coil.cubicTo(16, 7, 2, 6, -6, 7);
    coil.cubicTo(-16, 8, -14, -1, -4, -1);
    coil.cubicTo(6, -1, 10, -6, 6, -11);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark, 7.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(coil);
    p.setPen(QPen(body, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(coil);
    p.setPen(QPen(belly, 1.2, Qt::DashLine, Qt::FlatCap));
    p.drawPath(coil);
    // Head and tongue.
    p.setPen(QPen(QColor(210, 30, 40), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, -15), QPointF(16, -16));
    p.drawLine(QPointF(16, -16), QPointF(18, -18));
    p.drawLine(QPointF(16, -16), QPointF(18, -14.5));
    p.save();
    p.translate(6, -14);
    p.rotate(-15);
    p.setPen(outline(dark));
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), 7, 4.8);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 60));
    p.drawEllipse(QPointF(6, -16), 1.6, 1.6);
    p.setBrush(ink);
    p.drawEllipse(QPointF(6.2, -16), 0.5, 1.3);
}

void horse(QPainter &p) {
    const QColor coat(150, 90, 45), dark(60, 30, 15), mane(45, 25, 15);
    QPainterPath head;
    head.moveTo(6, -19);
    head.lineTo(9, -11);
    head.cubicTo(14, -4, 16, 6, 13, 18);
    head.lineTo(-2, 18);
    head.cubicTo(0, 10, -2, 6, -6, 4);
    head.cubicTo(-12, 6, -18, 6, -19, 1);
    head.cubicTo(-20, -3, -16, -6, -12, -8);
    head.cubicTo(-6, -12, -1, -14, 2, -14);
    head.closeSubpath();
    QLinearGradient g(-20, 0, 16, 0);
    g.setColorAt(0, coat.lighter(120));
    g.setColorAt(1, coat.darker(110));
    fillOutlined(p, head, g, dark, 0.9);
    QPainterPath maneShape;
    maneShape.moveTo(5, -15);
    maneShape.cubicTo(12, -10, 16, 4, 15, 18);
    maneShape.lineTo(19, 16);
    maneShape.cubicTo(20, 2, 16, -10, 8, -17);
    maneShape.closeSubpath();
    fillOutlined(p, maneShape, mane, mane, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 245, 235));
    p.drawEllipse(QPointF(-9, -8), 2.2, 3.2); // blaze
    p.setBrush(ink);
    p.drawEllipse(QPointF(-2, -8), 1.5, 1.5);
    p.drawEllipse(QPointF(-16, -0.5), 1.1, 0.8);
    p.setPen(outline(dark, 0.6));
    p.drawLine(QPointF(-18, 3), QPointF(-13, 3.5));
}

void goat(QPainter &p) {
    const QColor coat(238, 228, 205), dark(120, 100, 80), horn(150, 140, 130);
    for (int side : {-1, 1}) {
        QPainterPath h;
        h.moveTo(side * 3, -11);
        h.cubicTo(side * 8, -22, side * 20, -18, side * 17, -8);
        h.cubicTo(side * 16, -12, side * 10, -15, side * 6, -9);
        h.closeSubpath();
        fillOutlined(p, h, horn, horn.darker(150), 0.6);
        p.save();
        p.translate(side * 13, -4);
        p.rotate(side * 15);
        p.setPen(outline(dark));
        p.setBrush(coat);
        p.drawEllipse(QPointF(0, 0), 5.5, 2.6);
        p.restore();
    }
    QPainterPath head;
    head.moveTo(-8, -8);
    head.cubicTo(-8, -15, 8, -15, 8, -8);
    head.cubicTo(8, 4, 5, 12, 0, 13);
    head.cubicTo(-5, 12, -8, 4, -8, -8);
    fillOutlined(p, head, coat, dark, 0.8);
    QPainterPath beard;
    beard.moveTo(-3, 11);
    beard.lineTo(3, 11);
    beard.lineTo(0, 21);
    beard.closeSubpath();
    fillOutlined(p, beard, coat.darker(108), dark, 0.6);
    // Eyes with the goat's level pupils.
    for (int side : {-1, 1}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 190, 60));
        p.drawEllipse(QPointF(side * 4.5, -4), 2, 1.6);
        p.setBrush(ink);
        p.drawRect(QRectF(side * 4.5 - 1.3, -4.4, 2.6, 0.8));
    }
    p.setBrush(QColor(200, 150, 150));
    p.drawEllipse(QPointF(-1.5, 9), 0.9, 0.7);
    p.drawEllipse(QPointF(1.5, 9), 0.9, 0.7);
}

void monkey(QPainter &p) {
    const QColor fur(130, 80, 40), dark(70, 40, 20), skin(245, 205, 160);
    p.setPen(outline(dark));
    p.setBrush(fur);
    p.drawEllipse(QPointF(-14, 0), 5.5, 5.5);
    p.drawEllipse(QPointF(14, 0), 5.5, 5.5);
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawEllipse(QPointF(-14, 0), 3.2, 3.2);
    p.drawEllipse(QPointF(14, 0), 3.2, 3.2);
    p.setPen(outline(dark));
    p.setBrush(fur);
    p.drawEllipse(QPointF(0, 0), 12.5, 13);
    QPainterPath face;
    face.addEllipse(QPointF(-4.5, -2), 5, 5.5);
    face.addEllipse(QPointF(4.5, -2), 5, 5.5);
    face.addEllipse(QPointF(0, 6), 8, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawPath(face.simplified());
    eyes(p, 4.5, -2, 1.6);
    p.setBrush(dark);
    p.drawEllipse(QPointF(-1.3, 4), 0.8, 0.6);
    p.drawEllipse(QPointF(1.3, 4), 0.8, 0.6);
    p.setPen(outline(dark, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-4.5, 4.5, 9, 5), 200 * 16, 140 * 16);
}

void rooster(QPainter &p) {
    const QColor feathers(250, 240, 220), dark(110, 70, 40), red(220, 30, 30);
    // The tail: sweeping feathers in dark green and red.
    const QColor tailColours[] = {QColor(20, 90, 70), QColor(200, 40, 30), QColor(30, 60, 50)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath f;
        f.moveTo(8, 4);
        f.cubicTo(14 + i * 2, -6 - i * 4, 18, -14 + i * 3, 20 - i, -18 + i * 6);
        f.cubicTo(21, -8 + i * 3, 18, 2, 11, 9);
        f.closeSubpath();
        fillOutlined(p, f, tailColours[i], tailColours[i].darker(150), 0.5);
    }
    p.setPen(outline(QColor(230, 150, 30), 1.3));
    p.drawLine(QPointF(0, 13), QPointF(-1, 20));
    p.drawLine(QPointF(5, 13), QPointF(6, 20));
    p.drawLine(QPointF(-3, 20), QPointF(1, 20));
    p.drawLine(QPointF(4, 20), QPointF(8, 20));
    QPainterPath body;
    body.addEllipse(QPointF(2, 5), 11, 9);
    body.addEllipse(QPointF(-7, -8), 6, 6.5);
    QPainterPath neck;
    neck.moveTo(-12, -6);
    neck.lineTo(-2, -10);
    neck.lineTo(4, 0);
    neck.lineTo(-8, 6);
    neck.closeSubpath();
    fillOutlined(p, body.united(neck).simplified(), feathers, dark, 0.8);
    // Wing.
    p.setPen(outline(QColor(200, 140, 60), 0.7));
    p.setBrush(QColor(240, 190, 90));
    p.drawEllipse(QPointF(4, 5), 6.5, 4.5);
    // Comb, wattle, beak and eye.
    QPainterPath comb;
    comb.addEllipse(QPointF(-10, -15), 2.5, 2.5);
    comb.addEllipse(QPointF(-6.5, -16), 2.7, 2.7);
    comb.addEllipse(QPointF(-3, -14.5), 2.4, 2.4);
    comb.addEllipse(QPointF(-13.5, -4), 1.8, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPath(comb.simplified());
    QPainterPath beak;
    beak.moveTo(-12.5, -9);
    beak.lineTo(-17, -7);
    beak.lineTo(-12.5, -5.5);
    beak.closeSubpath();
    p.setBrush(QColor(245, 180, 40));
    p.drawPath(beak);
    p.setBrush(ink);
    p.drawEllipse(QPointF(-8, -9), 1.2, 1.2);
}

void dog(QPainter &p) {
    const QColor coat(215, 160, 90), dark(110, 60, 25), ear(120, 70, 35);
    p.setPen(outline(dark));
    p.setBrush(coat);
    p.drawEllipse(QPointF(0, 0), 12.5, 13);
    for (int side : {-1, 1}) {
        QPainterPath e;
        e.moveTo(side * 7, -11);
        e.cubicTo(side * 18, -13, side * 20, 2, side * 15, 10);
        e.cubicTo(side * 12, 12, side * 10, 4, side * 10, -4);
        e.closeSubpath();
        fillOutlined(p, e, ear, dark, 0.8);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 246, 236));
    p.drawEllipse(QPointF(0, 7), 7.5, 5.5);
    p.drawEllipse(QPointF(0, -4), 2.5, 5);
    // Tongue, nose, eyes.
    p.setBrush(QColor(235, 100, 120));
    p.drawEllipse(QPointF(0, 12), 2, 2.6);
    p.setPen(outline(dark, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-4, 6, 4, 4), 180 * 16, 180 * 16);
    p.drawArc(QRectF(0, 6, 4, 4), 180 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(0, 5), 2.5, 1.9);
    eyes(p, 5, -2, 1.8);
}

void pig(QPainter &p) {
    const QColor skin(250, 175, 185), dark(190, 90, 110);
    for (int side : {-1, 1}) {
        QPainterPath e;
        e.moveTo(side * 4, -11);
        e.lineTo(side * 15, -17);
        e.lineTo(side * 12, -5);
        e.closeSubpath();
        fillOutlined(p, e, skin.darker(108), dark, 0.8);
    }
    p.setPen(outline(dark));
    p.setBrush(skin);
    p.drawEllipse(QPointF(0, 1), 14, 13);
    p.setBrush(QColor(245, 140, 160));
    p.drawEllipse(QPointF(0, 5), 6.5, 4.6);
    p.setPen(Qt::NoPen);
    p.setBrush(dark.darker(120));
    p.drawEllipse(QPointF(-2.3, 5), 1.3, 1.8);
    p.drawEllipse(QPointF(2.3, 5), 1.3, 1.8);
    p.setBrush(QColor(255, 120, 140, 120));
    p.drawEllipse(QPointF(-9, 5), 2.6, 1.8);
    p.drawEllipse(QPointF(9, 5), 2.6, 1.8);
    eyes(p, 5.5, -3, 1.5);
}

struct Animal {
    const char *name;
    void (*draw)(QPainter &);
};

// In the order of the word table's years, Rat to Pig.
const Animal animals[] = {
    {"R_VOSKRIS", rat},    {"R_VOSBULL", ox},      {"R_VOSTIGR", tiger}, {"R_VOSRABB", rabbit},
    {"R_VOSDRAG", dragon}, {"R_VOSSNAK", snake},   {"R_VOSHORS", horse}, {"R_VOSKOZA", goat},
    {"R_VOSMONK", monkey}, {"R_VOSPETU", rooster}, {"R_VOSDOG0", dog},   {"R_VOSPIG0", pig},
};

// Lacquer red panel, a gold disc, a band of small gold lozenges below it.
void lacquer(QPainter &p, QSize size) {
    panel(p, size, QColor(205, 40, 35), QColor(120, 10, 15));
    const QPointF centre(size.width() / 2.0, 30);
    QRadialGradient gold(centre - QPointF(5, 6), 26);
    gold.setColorAt(0, QColor(255, 240, 170));
    gold.setColorAt(0.7, QColor(235, 185, 70));
    gold.setColorAt(1, QColor(180, 120, 30));
    p.setPen(QPen(QColor(120, 70, 10), 0.8));
    p.setBrush(gold);
    p.drawEllipse(centre, 24, 24);
    p.setPen(QPen(QColor(255, 245, 200, 160), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 21.5, 21.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 200, 90));
    for (double x = 7; x < size.width() - 5; x += 8) {
        QPainterPath lozenge;
        lozenge.moveTo(x, 60);
        lozenge.lineTo(x + 2.5, 62.5);
        lozenge.lineTo(x, 65);
        lozenge.lineTo(x - 2.5, 62.5);
        lozenge.closeSubpath();
        p.drawPath(lozenge);
    }
}

} // namespace

void addAnimals(Output &out) {
    using namespace quarn::calendar_page;
    const QSize size(pictureWidth, pictureHeight);
    for (const Animal &animal : animals) {
        out.add(QStringLiteral("png"), QString::fromLatin1(animal.name),
                drawn(size, [&](QPainter &p) {
                    lacquer(p, size);
                    p.translate(size.width() / 2.0, 30);
                    p.scale(0.95, 0.95);
                    animal.draw(p);
                }));
    }
}

} // namespace calendar_art
