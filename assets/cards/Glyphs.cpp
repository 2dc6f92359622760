#include "Glyphs.h"

#include "Art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace cards {

namespace {

// A path given in a 100 x 100 box, mapped into a box.
QPainterPath mapped(const QPainterPath &unit, const QRectF &box) {
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 100.0, box.height() / 100.0);
    return t.map(unit);
}

QColor darker(const QColor &c, int factor = 170) {
    return c.darker(factor);
}

void fillOutlined(QPainter &painter, const QPainterPath &path, const QColor &fill, qreal width) {
    painter.fillPath(path, fill);
    painter.strokePath(path,
                       QPen(darker(fill, 220), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// German suits.
void drawBell(QPainter &painter, const QRectF &box, const QColor &colour) {
    QPainterPath bell;
    bell.moveTo(50, 6);
    bell.cubicTo(30, 6, 22, 26, 22, 48);
    bell.cubicTo(22, 62, 16, 70, 8, 76);
    bell.lineTo(92, 76);
    bell.cubicTo(84, 70, 78, 62, 78, 48);
    bell.cubicTo(78, 26, 70, 6, 50, 6);
    bell.closeSubpath();
    const QPainterPath body = mapped(bell, box);
    QLinearGradient shine(box.topLeft(), box.topRight());
    shine.setColorAt(0.0, colour.darker(130));
    shine.setColorAt(0.35, colour.lighter(150));
    shine.setColorAt(1.0, colour.darker(150));
    painter.fillPath(body, shine);
    const qreal w = box.width() * 0.03;
    painter.strokePath(body, QPen(colour.darker(260), w));
    // The rim band, the slot and the clapper.
    QPainterPath band;
    band.addRect(QRectF(14, 52, 72, 8));
    painter.fillPath(mapped(band, box), colour.darker(180));
    QPainterPath clapper;
    clapper.addEllipse(QPointF(50, 86), 10, 10);
    fillOutlined(painter, mapped(clapper, box), colour.darker(120), w);
    QPainterPath loop;
    loop.addEllipse(QPointF(50, 6), 6, 5);
    painter.strokePath(mapped(loop, box), QPen(colour.darker(200), w * 1.4));
}

void drawAcorn(QPainter &painter, const QRectF &box, const QColor &colour) {
    const qreal w = box.width() * 0.03;
    QPainterPath nut;
    nut.moveTo(22, 44);
    nut.cubicTo(20, 70, 34, 94, 50, 97);
    nut.cubicTo(66, 94, 80, 70, 78, 44);
    nut.closeSubpath();
    QLinearGradient shade(box.topLeft(), box.topRight());
    shade.setColorAt(0.0, colour.darker(140));
    shade.setColorAt(0.4, colour.lighter(140));
    shade.setColorAt(1.0, colour.darker(160));
    const QPainterPath nutPath = mapped(nut, box);
    painter.fillPath(nutPath, shade);
    painter.strokePath(nutPath, QPen(colour.darker(250), w));
    QPainterPath cup;
    cup.moveTo(16, 48);
    cup.cubicTo(14, 28, 30, 18, 50, 18);
    cup.cubicTo(70, 18, 86, 28, 84, 48);
    cup.closeSubpath();
    const QColor cupColour(0x7A, 0x52, 0x22);
    const QPainterPath cupPath = mapped(cup, box);
    painter.fillPath(cupPath, cupColour);
    // Scales of the cup as a cross-hatch.
    painter.save();
    painter.setClipPath(cupPath);
    QPen hatch(cupColour.darker(170), w * 0.8);
    painter.setPen(hatch);
    for (int i = -4; i < 12; ++i) {
        const qreal x = box.left() + box.width() * (i * 0.09);
        painter.drawLine(QPointF(x, box.top()), QPointF(x + box.width() * 0.5, box.bottom()));
        painter.drawLine(QPointF(x + box.width() * 0.5, box.top()), QPointF(x, box.bottom()));
    }
    painter.restore();
    painter.strokePath(cupPath, QPen(cupColour.darker(200), w));
    QPainterPath stem;
    stem.moveTo(48, 18);
    stem.cubicTo(48, 10, 52, 4, 58, 2);
    painter.strokePath(mapped(stem, box),
                       QPen(cupColour.darker(150), w * 2.2, Qt::SolidLine, Qt::RoundCap));
}

void drawLeaf(QPainter &painter, const QRectF &box, const QColor &colour) {
    const qreal w = box.width() * 0.03;
    QPainterPath leaf;
    leaf.moveTo(50, 2);
    leaf.cubicTo(70, 16, 94, 36, 92, 58);
    leaf.cubicTo(90, 72, 78, 78, 66, 74);
    leaf.cubicTo(60, 80, 56, 84, 52, 84);
    leaf.lineTo(48, 84);
    leaf.cubicTo(44, 84, 40, 80, 34, 74);
    leaf.cubicTo(22, 78, 10, 72, 8, 58);
    leaf.cubicTo(6, 36, 30, 16, 50, 2);
    leaf.closeSubpath();
    const QPainterPath path = mapped(leaf, box);
    QLinearGradient shade(box.topLeft(), box.topRight());
    shade.setColorAt(0.0, colour.lighter(130));
    shade.setColorAt(0.5, colour);
    shade.setColorAt(1.0, colour.darker(150));
    painter.fillPath(path, shade);
    painter.strokePath(path, QPen(colour.darker(250), w));
    QPainterPath veins;
    veins.moveTo(50, 98);
    veins.lineTo(50, 10);
    for (int i = 0; i < 4; ++i) {
        const qreal y = 30 + i * 12;
        veins.moveTo(50, y + 8);
        veins.lineTo(30 - i * 2, y - 4);
        veins.moveTo(50, y + 8);
        veins.lineTo(70 + i * 2, y - 4);
    }
    painter.strokePath(mapped(veins, box),
                       QPen(colour.darker(220), w * 1.2, Qt::SolidLine, Qt::RoundCap));
}

// Spanish suits.
void drawCup(QPainter &painter, const QRectF &box, const QColor &colour) {
    const qreal w = box.width() * 0.03;
    QPainterPath cup;
    cup.moveTo(14, 6);
    cup.lineTo(86, 6);
    cup.cubicTo(86, 34, 70, 46, 56, 50);
    cup.lineTo(56, 72);
    cup.cubicTo(56, 80, 72, 84, 78, 94);
    cup.lineTo(22, 94);
    cup.cubicTo(28, 84, 44, 80, 44, 72);
    cup.lineTo(44, 50);
    cup.cubicTo(30, 46, 14, 34, 14, 6);
    cup.closeSubpath();
    const QPainterPath path = mapped(cup, box);
    QLinearGradient shade(box.topLeft(), box.topRight());
    shade.setColorAt(0.0, colour.darker(140));
    shade.setColorAt(0.4, colour.lighter(135));
    shade.setColorAt(1.0, colour.darker(150));
    painter.fillPath(path, shade);
    painter.strokePath(path, QPen(colour.darker(250), w));
    QPainterPath band;
    band.addRect(QRectF(20, 16, 60, 6));
    band.addEllipse(QPointF(50, 62), 8, 5);
    painter.fillPath(mapped(band, box), QColor(0xE8, 0xB8, 0x3A));
}

void drawCoin(QPainter &painter, const QRectF &box, const QColor &colour) {
    const qreal w = box.width() * 0.03;
    QPainterPath coin;
    coin.addEllipse(QRectF(6, 6, 88, 88));
    const QPainterPath path = mapped(coin, box);
    QRadialGradient shade(box.center() - QPointF(box.width() * 0.15, box.height() * 0.15),
                          box.width() * 0.6);
    shade.setColorAt(0.0, colour.lighter(160));
    shade.setColorAt(0.7, colour);
    shade.setColorAt(1.0, colour.darker(160));
    painter.fillPath(path, shade);
    painter.strokePath(path, QPen(colour.darker(250), w));
    QPainterPath inner;
    inner.addEllipse(QRectF(22, 22, 56, 56));
    painter.strokePath(mapped(inner, box), QPen(colour.darker(200), w * 1.2));
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const double a = i * 3.14159265 / 4;
        const QPointF tip(50 + 20 * std::cos(a), 50 + 20 * std::sin(a));
        star.moveTo(50, 50);
        star.lineTo(tip);
    }
    painter.strokePath(mapped(star, box), QPen(colour.darker(190), w));
}

void drawBaton(QPainter &painter, const QRectF &box, const QColor &colour) {
    // A knotted club, thick at the head, leaning a little.
    const qreal w = box.width() * 0.03;
    painter.save();
    painter.translate(box.center());
    painter.rotate(-14);
    painter.translate(-box.center());
    QPainterPath baton;
    baton.moveTo(42, 98);
    baton.cubicTo(38, 76, 30, 50, 24, 26);
    baton.cubicTo(20, 10, 30, 2, 48, 2);
    baton.cubicTo(66, 2, 76, 10, 72, 26);
    baton.cubicTo(66, 50, 60, 76, 58, 98);
    baton.closeSubpath();
    QPainterPath knots;
    knots.addEllipse(QPointF(26, 36), 7, 6);
    knots.addEllipse(QPointF(70, 32), 7, 6);
    knots.addEllipse(QPointF(34, 62), 6, 5);
    knots.addEllipse(QPointF(63, 58), 6, 5);
    const QPainterPath path = mapped(baton.united(knots).simplified(), box);
    QLinearGradient shade(box.topLeft(), box.topRight());
    shade.setColorAt(0.2, colour.lighter(150));
    shade.setColorAt(0.55, colour);
    shade.setColorAt(0.85, colour.darker(160));
    painter.fillPath(path, shade);
    painter.strokePath(path, QPen(colour.darker(250), w));
    QPainterPath rings;
    rings.moveTo(34, 78);
    rings.lineTo(62, 78);
    rings.moveTo(30, 46);
    rings.lineTo(68, 44);
    painter.strokePath(mapped(rings, box), QPen(colour.darker(200), w * 1.2));
    painter.restore();
}

void drawSword(QPainter &painter, const QRectF &box, const QColor &colour) {
    const qreal w = box.width() * 0.03;
    QPainterPath blade;
    blade.moveTo(50, 99);
    blade.lineTo(39, 82);
    blade.lineTo(41, 26);
    blade.lineTo(59, 26);
    blade.lineTo(61, 82);
    blade.closeSubpath();
    const QPainterPath bladePath = mapped(blade, box);
    QLinearGradient steel(box.topLeft(), box.topRight());
    steel.setColorAt(0.42, colour.lighter(170));
    steel.setColorAt(0.5, colour.lighter(120));
    steel.setColorAt(0.58, colour.darker(130));
    painter.fillPath(bladePath, steel);
    painter.strokePath(bladePath, QPen(colour.darker(250), w));
    QPainterPath hilt;
    hilt.addRoundedRect(QRectF(16, 19, 68, 10), 5, 5);
    hilt.addRect(QRectF(46, 6, 8, 16));
    hilt.addEllipse(QPointF(50, 5), 6, 5);
    const QPainterPath hiltPath = mapped(hilt.simplified(), box);
    art::fillGold(painter, hiltPath, box);
    painter.strokePath(hiltPath, QPen(QColor(0x6A, 0x4A, 0x10), w));
}

} // namespace

void drawSuit(QPainter &painter, SuitSystem system, int suit, const QRectF &box,
              const SuitColours &colours, bool outlined) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = colours.suit[suit < 1 || suit > 4 ? 4 : suit];
    if (system == SuitSystem::German && suit != 1) {
        if (suit == 2)
            drawBell(painter, box, colour);
        else if (suit == 3)
            drawAcorn(painter, box, colour);
        else
            drawLeaf(painter, box, colour);
    } else if (system == SuitSystem::Spanish) {
        switch (suit) {
        case 1:
            drawCup(painter, box, colour);
            break;
        case 2:
            drawCoin(painter, box, colour);
            break;
        case 3:
            drawBaton(painter, box, colour);
            break;
        default:
            drawSword(painter, box, colour);
            break;
        }
    } else {
        const QPainterPath path = art::suitPath(suit, box);
        painter.fillPath(path, colour);
        if (outlined || system == SuitSystem::German)
            painter.strokePath(path, QPen(colour.darker(220), box.width() * 0.025));
    }
    painter.restore();
}

} // namespace cards
