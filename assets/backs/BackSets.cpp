#include "BackSets.h"

#include "Art.h"
#include "Emblems.h"
#include "Output.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace backsets {
namespace {

// The colours of back 1..10: Monday to Sunday, then three more for the sets
// that draw a random back of ten.
struct Palette {
    QColor base;   // the field
    QColor light;  // pattern lines
    QColor accent; // frames and medallions
};

const Palette palettes[11] = {
    {},
    {QColor(0x1A, 0x2E, 0x6E), QColor(0xC6, 0xD2, 0xF4), QColor(0xF0, 0xCE, 0x68)}, // Monday: navy
    {QColor(0x8C, 0x14, 0x22), QColor(0xF6, 0xCC, 0xC8),
     QColor(0xF2, 0xCC, 0x60)}, // Tuesday: crimson
    {QColor(0x1C, 0x5E, 0x36), QColor(0xCC, 0xEC, 0xD4),
     QColor(0xEE, 0xD4, 0x76)}, // Wednesday: green
    {QColor(0x4C, 0x22, 0x76), QColor(0xE2, 0xD2, 0xF6),
     QColor(0xF0, 0xCC, 0x66)}, // Thursday: purple
    {QColor(0x0C, 0x5C, 0x66), QColor(0xC6, 0xF0, 0xEE), QColor(0xF2, 0xD4, 0x6E)}, // Friday: teal
    {QColor(0x6E, 0x3A, 0x16), QColor(0xF4, 0xDE, 0xBC),
     QColor(0xF6, 0xCE, 0x5A)}, // Saturday: brown
    {QColor(0x14, 0x14, 0x1C), QColor(0xD8, 0xD8, 0xE0),
     QColor(0xE8, 0xBE, 0x4A)}, // Sunday: black and gold
    {QColor(0x4A, 0x5A, 0x14), QColor(0xE8, 0xF0, 0xC0), QColor(0xF0, 0xD0, 0x70)}, // olive
    {QColor(0x2E, 0x40, 0x56), QColor(0xD6, 0xE2, 0xEE), QColor(0xE6, 0xC8, 0x78)}, // slate
    {QColor(0x9A, 0x3A, 0x5E), QColor(0xF8, 0xD6, 0xE4), QColor(0xF4, 0xD2, 0x74)}, // rose
};

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points, qreal turnDegrees = 0) {
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal a = M_PI * i / points - M_PI / 2 + qDegreesToRadians(turnDegrees);
        const qreal radius = i % 2 ? inner : outer;
        poly << c + QPointF(std::cos(a) * radius, std::sin(a) * radius);
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath circle(QPointF c, qreal r) {
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

// A path given in a 100 x 100 box, placed into a box.
QPainterPath placed(const QPainterPath &unitPath, const QRectF &box) {
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 100.0, box.height() / 100.0);
    return t.map(unitPath);
}

// A heater shield in a 100 x 100 box.
QPainterPath shield() {
    QPainterPath p;
    p.moveTo(8, 6);
    p.lineTo(92, 6);
    p.lineTo(92, 44);
    p.cubicTo(92, 72, 70, 88, 50, 98);
    p.cubicTo(30, 88, 8, 72, 8, 44);
    p.closeSubpath();
    return p;
}

// A fleur-de-lis in a 100 x 100 box.
QPainterPath fleurDeLis() {
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    QPainterPath middle;
    middle.moveTo(50, 2);
    middle.cubicTo(66, 18, 64, 40, 54, 62);
    middle.lineTo(46, 62);
    middle.cubicTo(36, 40, 34, 18, 50, 2);
    all.addPath(middle);
    for (int side : {-1, 1}) {
        QPainterPath petal;
        petal.moveTo(50 + side * 4, 62);
        petal.cubicTo(50 + side * 10, 40, 50 + side * 26, 24, 50 + side * 42, 34);
        petal.cubicTo(50 + side * 50, 42, 50 + side * 44, 56, 50 + side * 34, 52);
        petal.cubicTo(50 + side * 40, 46, 50 + side * 34, 40, 50 + side * 26, 46);
        petal.cubicTo(50 + side * 18, 52, 50 + side * 16, 60, 50 + side * 14, 66);
        petal.closeSubpath();
        all.addPath(petal);
    }
    all.addRoundedRect(QRectF(26, 60, 48, 9), 3, 3);
    QPainterPath foot;
    foot.moveTo(44, 69);
    foot.cubicTo(40, 82, 32, 90, 24, 94);
    foot.lineTo(76, 94);
    foot.cubicTo(68, 90, 60, 82, 56, 69);
    foot.closeSubpath();
    all.addPath(foot);
    return all.simplified();
}

// A chess knight in a 100 x 100 box.
QPainterPath knight() {
    QPainterPath p;
    p.moveTo(24, 94);
    p.lineTo(24, 84);
    p.cubicTo(24, 80, 30, 78, 34, 78);
    p.cubicTo(36, 66, 48, 56, 46, 48);
    p.cubicTo(40, 52, 32, 56, 26, 60);
    p.cubicTo(20, 62, 14, 56, 18, 50);
    p.cubicTo(26, 40, 36, 30, 40, 20);
    p.lineTo(42, 8);
    p.lineTo(48, 16);
    p.cubicTo(66, 14, 80, 30, 80, 54);
    p.cubicTo(80, 66, 74, 74, 72, 78);
    p.cubicTo(76, 78, 80, 80, 80, 84);
    p.lineTo(80, 94);
    p.closeSubpath();
    QPainterPath eye;
    eye.addEllipse(QPointF(46, 30), 3, 3);
    return p.subtracted(eye);
}

// A straight sword pointing up in a 100 x 100 box.
QPainterPath sword() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    QPolygonF blade;
    blade << QPointF(46, 72) << QPointF(46, 14) << QPointF(50, 2) << QPointF(54, 14)
          << QPointF(54, 72);
    p.addPolygon(blade);
    p.closeSubpath();
    p.addRoundedRect(QRectF(30, 70, 40, 6), 3, 3);
    p.addRect(QRectF(47, 76, 6, 14));
    p.addEllipse(QPointF(50, 93), 5, 5);
    return p.simplified();
}

void fillField(QPainter &p, const QRectF &r, const Palette &c) {
    QRadialGradient g(r.center(), std::hypot(r.width(), r.height()) / 2);
    g.setColorAt(0, c.base.lighter(130));
    g.setColorAt(1, c.base.darker(125));
    p.fillRect(r, g);
}

void goldShape(QPainter &p, const QPainterPath &shape, qreal unit) {
    art::fillGold(p, shape, shape.boundingRect());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x08, 180), unit * 0.35));
    p.drawPath(shape);
}

// Medieval-1: a lozenge lattice strewn with lilies, a shield in the middle.
void medievalLilies(QPainter &p, const QRectF &r, const Palette &c, qreal unit) {
    fillField(p, r, c);
    const qreal step = unit * 14;
    p.setPen(QPen(withAlpha(c.accent, 150), unit * 0.5));
    for (qreal d = -r.height(); d < r.width() + r.height(); d += step) {
        p.drawLine(QPointF(r.left() + d, r.top()),
                   QPointF(r.left() + d + r.height() * 0.75, r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.bottom()),
                   QPointF(r.left() + d + r.height() * 0.75, r.top()));
    }
    const QPainterPath lily = fleurDeLis();
    const qreal side = unit * 6;
    int row = 0;
    for (qreal y = r.top(); y < r.bottom() + step; y += step * 0.667, ++row) {
        for (qreal x = r.left() + (row % 2 ? step / 2 : 0); x < r.right() + step; x += step)
            p.fillPath(placed(lily, QRectF(x - side / 2, y - side / 2, side, side)),
                       withAlpha(c.light, 150));
    }
    const QRectF shieldBox(r.center().x() - r.width() * 0.3, r.center().y() - r.width() * 0.34,
                           r.width() * 0.6, r.width() * 0.68);
    const QPainterPath outline = placed(shield(), shieldBox);
    art::dropShadow(p, outline, QPointF(unit, unit), unit * 2, QColor(0, 0, 0, 140));
    goldShape(p, outline, unit);
    const QPainterPath inner =
        placed(shield(), shieldBox.adjusted(unit * 2, unit * 2, -unit * 2, -unit * 2));
    QLinearGradient g(shieldBox.topLeft(), shieldBox.bottomRight());
    g.setColorAt(0, c.base.lighter(160));
    g.setColorAt(1, c.base.darker(130));
    p.fillPath(inner, g);
    const qreal lilySide = shieldBox.width() * 0.62;
    goldShape(p,
              placed(lily, QRectF(shieldBox.center().x() - lilySide / 2,
                                  shieldBox.top() + shieldBox.height() * 0.16, lilySide, lilySide)),
              unit);
}

// Medieval-2: a gothic rose window of coloured glass in lead lines.
void medievalRose(QPainter &p, const QRectF &r, const Palette &c, qreal unit) {
    p.fillRect(r, c.base.darker(160));
    const QPointF centre = r.center();
    const qreal big = r.width() * 0.46;
    const QColor glass[4] = {c.base.lighter(150), c.accent, c.light, c.base.lighter(115)};
    const QPen lead(QColor(0x18, 0x14, 0x10), unit * 0.8);
    // Corner panes above and below the window.
    for (int i = 0; i < 8; ++i) {
        const qreal y = i < 4 ? r.top() : r.bottom() - r.height() * 0.22;
        const QRectF pane(r.left() + (i % 4) * r.width() / 4, y, r.width() / 4, r.height() * 0.22);
        p.setPen(lead);
        p.setBrush(withAlpha(glass[(i + i / 4) % 4], 200));
        QPainterPath arch;
        arch.moveTo(pane.bottomLeft());
        arch.lineTo(pane.left(), pane.top() + pane.width() / 2);
        arch.quadTo(pane.left(), pane.top(), pane.center().x(), pane.top());
        arch.quadTo(pane.right(), pane.top(), pane.right(), pane.top() + pane.width() / 2);
        arch.lineTo(pane.bottomRight());
        arch.closeSubpath();
        p.drawPath(arch);
    }
    // The rose: sixteen petals, twelve trefoils, a ring of roundels.
    p.setPen(lead);
    p.setBrush(withAlpha(c.accent.darker(110), 220));
    p.drawEllipse(centre, big, big);
    for (int i = 0; i < 16; ++i) {
        const qreal a = 2 * M_PI * i / 16;
        p.setBrush(glass[i % 2 ? 0 : 2]);
        p.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * big * 0.86, big * 0.12,
                      big * 0.12);
    }
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(30.0 * i);
        QPainterPath petal;
        petal.moveTo(0, -big * 0.2);
        petal.quadTo(big * 0.2, -big * 0.45, 0, -big * 0.72);
        petal.quadTo(-big * 0.2, -big * 0.45, 0, -big * 0.2);
        p.setBrush(glass[i % 2 ? 1 : 3]);
        p.drawPath(petal);
        p.restore();
    }
    p.setBrush(c.base.lighter(170));
    p.drawEllipse(centre, big * 0.2, big * 0.2);
    p.setBrush(c.accent);
    p.drawPath(starPath(centre, big * 0.16, big * 0.07, 6));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xD8, 0xC8, 0xA8), unit * 1.4));
    p.drawEllipse(centre, big + unit, big + unit);
}

// Carpet: a knotted field with a stepped medallion, corner pieces and borders.
void carpet(QPainter &p, const QRectF &r, const Palette &c, qreal unit) {
    p.fillRect(r, c.base);
    const qreal knot = unit * 1.0;
    const QPointF centre = r.center();
    // The field: small octagonal guls in rows.
    const qreal step = unit * 10;
    p.setPen(Qt::NoPen);
    int row = 0;
    for (qreal y = r.top() + step / 2; y < r.bottom(); y += step, ++row) {
        for (qreal x = r.left() + (row % 2 ? step : step / 2); x < r.right(); x += step) {
            p.setBrush(withAlpha(c.light, 90));
            p.drawPath(starPath(QPointF(x, y), unit * 2.6, unit * 1.6, 8, 22.5));
            p.setBrush(withAlpha(c.accent, 150));
            p.drawRect(QRectF(x - knot, y - knot, 2 * knot, 2 * knot));
        }
    }
    // A stepped lozenge medallion.
    auto stepped = [&](qreal halfWidth, qreal halfHeight, const QColor &colour) {
        QPolygonF poly;
        const int steps = 7;
        for (int i = 0; i <= steps; ++i) {
            const qreal t = qreal(i) / steps;
            poly << QPointF(centre.x() + halfWidth * t, centre.y() - halfHeight * (1 - t))
                 << QPointF(centre.x() + halfWidth * (t + 1.0 / steps),
                            centre.y() - halfHeight * (1 - t));
        }
        QTransform mirrorX(-1, 0, 0, 1, 2 * centre.x(), 0);
        QTransform mirrorY(1, 0, 0, -1, 0, 2 * centre.y());
        QPainterPath quarter;
        quarter.addPolygon(poly << centre);
        quarter.closeSubpath();
        QPainterPath whole = quarter.united(mirrorX.map(quarter));
        whole = whole.united(mirrorY.map(whole));
        p.fillPath(whole, colour);
    };
    stepped(r.width() * 0.40, r.height() * 0.34, c.accent.darker(105));
    stepped(r.width() * 0.34, r.height() * 0.28, c.base.darker(140));
    stepped(r.width() * 0.24, r.height() * 0.2, c.light);
    p.setBrush(c.base.darker(110));
    p.drawPath(starPath(centre, r.width() * 0.13, r.width() * 0.07, 8));
    p.setBrush(c.accent);
    p.drawPath(starPath(centre, r.width() * 0.06, r.width() * 0.03, 8, 22.5));
    // Corner quarter medallions.
    for (const QPointF corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
        p.setBrush(c.accent.darker(105));
        p.drawEllipse(corner, r.width() * 0.2, r.width() * 0.2);
        p.setBrush(c.base.darker(140));
        p.drawEllipse(corner, r.width() * 0.15, r.width() * 0.15);
    }
    // The border: a band with a running lozenge.
    const qreal band = unit * 5;
    QPainterPath frame;
    frame.addRect(r);
    frame.addRect(r.adjusted(band, band, -band, -band));
    frame.setFillRule(Qt::OddEvenFill);
    p.fillPath(frame, c.base.darker(170));
    p.setBrush(c.accent);
    for (qreal x = r.left() + band / 2; x < r.right(); x += band) {
        for (const qreal y : {r.top() + band / 2, r.bottom() - band / 2})
            p.drawPath(starPath(QPointF(x, y), band * 0.42, band * 0.2, 4));
    }
    for (qreal y = r.top() + band * 1.5; y < r.bottom() - band; y += band) {
        for (const qreal x : {r.left() + band / 2, r.right() - band / 2})
            p.drawPath(starPath(QPointF(x, y), band * 0.42, band * 0.2, 4));
    }
}

// Cross: a cross-stitch field of small crosses and a Maltese cross.
void crosses(QPainter &p, const QRectF &r, const Palette &c, qreal unit) {
    fillField(p, r, c);
    const qreal step = unit * 4;
    p.setPen(QPen(withAlpha(c.light, 110), unit * 0.6, Qt::SolidLine, Qt::RoundCap));
    int row = 0;
    for (qreal y = r.top() + step / 2; y < r.bottom(); y += step, ++row) {
        int col = 0;
        for (qreal x = r.left() + step / 2; x < r.right(); x += step, ++col) {
            if ((row + col) % 2)
                continue;
            p.drawLine(QPointF(x - step * 0.3, y - step * 0.3),
                       QPointF(x + step * 0.3, y + step * 0.3));
            p.drawLine(QPointF(x - step * 0.3, y + step * 0.3),
                       QPointF(x + step * 0.3, y - step * 0.3));
        }
    }
    auto maltese = [](QPointF centre, qreal size) {
        QPainterPath cross;
        cross.setFillRule(Qt::WindingFill);
        for (int i = 0; i < 4; ++i) {
            QTransform t;
            t.translate(centre.x(), centre.y());
            t.rotate(90 * i);
            // Each arm widens outwards and ends in a V-shaped notch.
            QPolygonF arm;
            arm << QPointF(0, 0) << QPointF(-size * 0.46, -size) << QPointF(0, -size * 0.74)
                << QPointF(size * 0.46, -size);
            QPainterPath path;
            path.addPolygon(t.map(arm));
            path.closeSubpath();
            cross.addPath(path);
        }
        return cross.simplified();
    };
    const QPointF centre = r.center();
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(c.base.darker(150), 200));
    p.drawEllipse(centre, r.width() * 0.4, r.width() * 0.4);
    const QPainterPath big = maltese(centre, r.width() * 0.36);
    art::dropShadow(p, big, QPointF(unit, unit), unit * 2, QColor(0, 0, 0, 150));
    goldShape(p, big, unit);
    p.setBrush(c.base.lighter(120));
    p.setPen(QPen(c.accent, unit * 0.5));
    p.drawEllipse(centre, r.width() * 0.07, r.width() * 0.07);
    const qreal inset = r.width() * 0.16;
    for (const QPointF corner :
         {r.topLeft() + QPointF(inset, inset), r.topRight() + QPointF(-inset, inset),
          r.bottomLeft() + QPointF(inset, -inset), r.bottomRight() + QPointF(-inset, -inset)}) {
        QPainterPath greek;
        greek.setFillRule(Qt::WindingFill);
        greek.addRect(
            QRectF(corner.x() - inset * 0.55, corner.y() - inset * 0.15, inset * 1.1, inset * 0.3));
        greek.addRect(
            QRectF(corner.x() - inset * 0.15, corner.y() - inset * 0.55, inset * 0.3, inset * 1.1));
        goldShape(p, greek.simplified(), unit);
    }
}

// Chess: a chequered board with a knight in a round medallion.
void chess(QPainter &p, const QRectF &r, const Palette &c, qreal unit) {
    const int columns = 8;
    const qreal side = r.width() / columns;
    const QColor dark = c.base;
    const QColor light = c.light.darker(105);
    for (int row = 0; row * side < r.height(); ++row) {
        for (int col = 0; col < columns; ++col) {
            const QRectF square(r.left() + col * side, r.top() + row * side, side, side);
            QLinearGradient g(square.topLeft(), square.bottomRight());
            const QColor colour = (row + col) % 2 ? dark : light;
            g.setColorAt(0, colour.lighter(112));
            g.setColorAt(1, colour.darker(108));
            p.fillRect(square, g);
        }
    }
    const QPointF centre = r.center();
    const qreal radius = r.width() * 0.34;
    QPainterPath ring = circle(centre, radius);
    art::dropShadow(p, ring, QPointF(unit, unit), unit * 2, QColor(0, 0, 0, 160));
    goldShape(p, ring, unit);
    QRadialGradient g(centre, radius);
    g.setColorAt(0, c.base.lighter(140));
    g.setColorAt(1, c.base.darker(140));
    p.fillPath(circle(centre, radius * 0.86), g);
    const qreal k = radius * 1.3;
    goldShape(p, placed(knight(), QRectF(centre.x() - k / 2, centre.y() - k / 2, k, k)), unit);
}

// Diamond: argyle lozenges and a cut gem.
void diamonds(QPainter &p, const QRectF &r, const Palette &c, qreal unit) {
    p.fillRect(r, c.base);
    const qreal w = r.width() / 3;
    const qreal h = w * 1.5;
    p.setPen(Qt::NoPen);
    for (int row = -1; row * h / 2 < r.height() + h; ++row) {
        for (int col = -1; col <= 3; ++col) {
            const QPointF centre(r.left() + col * w + (row % 2 ? w / 2 : 0), r.top() + row * h / 2);
            QPolygonF lozenge;
            lozenge << centre + QPointF(0, -h / 2) << centre + QPointF(w / 2, 0)
                    << centre + QPointF(0, h / 2) << centre + QPointF(-w / 2, 0);
            p.setBrush((row + 8) % 2 ? c.base.lighter(125) : c.base.darker(125));
            p.drawPolygon(lozenge);
        }
    }
    p.setPen(QPen(withAlpha(c.light, 150), unit * 0.4, Qt::DashLine));
    for (qreal d = -r.height(); d < r.width() + r.height(); d += w) {
        p.drawLine(QPointF(r.left() + d + w / 2, r.top()),
                   QPointF(r.left() + d + w / 2 + r.height() * w / h, r.bottom()));
        p.drawLine(QPointF(r.left() + d + w / 2, r.bottom()),
                   QPointF(r.left() + d + w / 2 + r.height() * w / h, r.top()));
    }
    // A brilliant seen from above: a table, star facets and a girdle.
    const QPointF centre = r.center();
    const qreal radius = r.width() * 0.32;
    QPolygonF girdle;
    QPolygonF table;
    for (int i = 0; i < 8; ++i) {
        const qreal a = M_PI * i / 4 + M_PI / 8;
        girdle << centre + QPointF(std::cos(a), std::sin(a)) * radius;
        table << centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.5;
    }
    QPainterPath outline;
    outline.addPolygon(girdle);
    outline.closeSubpath();
    art::dropShadow(p, outline, QPointF(unit, unit * 1.5), unit * 2, QColor(0, 0, 0, 170));
    p.setPen(QPen(QColor(255, 255, 255, 200), unit * 0.3));
    for (int i = 0; i < 8; ++i) {
        QPolygonF facet;
        facet << girdle[i] << girdle[(i + 1) % 8] << table[(i + 1) % 8] << table[i];
        const int shade = 100 + ((i * 37) % 5) * 22;
        p.setBrush(c.light.lighter(shade).toRgb());
        if (i % 2)
            p.setBrush(c.base.lighter(150 + (i % 3) * 25));
        p.drawPolygon(facet);
    }
    QLinearGradient shine(table.boundingRect().topLeft(), table.boundingRect().bottomRight());
    shine.setColorAt(0, Qt::white);
    shine.setColorAt(1, c.light);
    p.setBrush(shine);
    p.drawPolygon(table);
    p.setPen(QPen(c.accent, unit * 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(girdle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawPath(
        starPath(centre + QPointF(-radius * 0.2, -radius * 0.25), radius * 0.22, radius * 0.04, 4));
}

// Knightly: chain mail behind a shield with crossed swords.
void knightly(QPainter &p, const QRectF &r, const Palette &c, qreal unit) {
    fillField(p, r, c);
    const qreal scale = unit * 4;
    p.setBrush(Qt::NoBrush);
    int row = 0;
    for (qreal y = r.top() - scale; y < r.bottom() + scale; y += scale * 0.5, ++row) {
        for (qreal x = r.left() + (row % 2 ? scale / 2 : 0) - scale; x < r.right() + scale;
             x += scale) {
            p.setPen(QPen(withAlpha(c.light, 70), unit * 0.5));
            p.drawArc(QRectF(x - scale / 2, y - scale / 2, scale, scale), 180 * 16, 180 * 16);
        }
    }
    const QPointF centre = r.center();
    const qreal length = r.width() * 1.0;
    for (int side : {-1, 1}) {
        p.save();
        p.translate(centre);
        p.rotate(side * 35);
        const QPainterPath blade =
            placed(sword(), QRectF(-length / 2, -length / 2, length, length));
        QLinearGradient steel(-length * 0.05, 0, length * 0.05, 0);
        steel.setColorAt(0, QColor(0xF4, 0xF6, 0xFA));
        steel.setColorAt(1, QColor(0x8A, 0x90, 0x9A));
        p.fillPath(blade, steel);
        p.setPen(QPen(QColor(0x30, 0x30, 0x38), unit * 0.3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(blade);
        p.restore();
    }
    const QRectF shieldBox(centre.x() - r.width() * 0.28, centre.y() - r.width() * 0.3,
                           r.width() * 0.56, r.width() * 0.62);
    const QPainterPath outline = placed(shield(), shieldBox);
    art::dropShadow(p, outline, QPointF(unit, unit), unit * 2, QColor(0, 0, 0, 160));
    goldShape(p, outline, unit);
    const QPainterPath inner =
        placed(shield(), shieldBox.adjusted(unit * 1.8, unit * 1.8, -unit * 1.8, -unit * 1.8));
    p.fillPath(inner, c.base.lighter(115));
    // A chevron and three stars.
    p.save();
    p.setClipPath(inner);
    QPolygonF chevron;
    const qreal cx = shieldBox.center().x();
    const qreal top = shieldBox.top() + shieldBox.height() * 0.38;
    const qreal thick = shieldBox.height() * 0.14;
    chevron << QPointF(shieldBox.left(), top + shieldBox.height() * 0.4) << QPointF(cx, top)
            << QPointF(shieldBox.right(), top + shieldBox.height() * 0.4)
            << QPointF(shieldBox.right(), top + shieldBox.height() * 0.4 + thick)
            << QPointF(cx, top + thick)
            << QPointF(shieldBox.left(), top + shieldBox.height() * 0.4 + thick);
    p.setPen(Qt::NoPen);
    p.setBrush(c.light);
    p.drawPolygon(chevron);
    p.restore();
    const qreal s = shieldBox.width() * 0.11;
    for (const QPointF at : {QPointF(shieldBox.left() + shieldBox.width() * 0.27,
                                     shieldBox.top() + shieldBox.height() * 0.22),
                             QPointF(shieldBox.left() + shieldBox.width() * 0.73,
                                     shieldBox.top() + shieldBox.height() * 0.22),
                             QPointF(cx, shieldBox.top() + shieldBox.height() * 0.74)})
        goldShape(p, starPath(at, s, s * 0.42, 5), unit);
}

// The frame of the vignette sets: a field with a fine pattern and an oval.
QPainterPath vignetteField(QPainter &p, const QRectF &r, const Palette &c, qreal unit,
                           int patternKind) {
    fillField(p, r, c);
    p.setPen(Qt::NoPen);
    const qreal step = unit * 7;
    int row = 0;
    for (qreal y = r.top() + step / 2; y < r.bottom(); y += step * 0.8, ++row) {
        for (qreal x = r.left() + (row % 2 ? step : step / 2); x < r.right(); x += step) {
            p.setBrush(withAlpha(c.light, 70));
            if (patternKind == 0)
                p.drawEllipse(QPointF(x, y), unit * 0.9, unit * 0.9);
            else if (patternKind == 1)
                p.drawPath(starPath(QPointF(x, y), unit * 1.8, unit * 0.5, 5));
            else
                p.drawPath(starPath(QPointF(x, y), unit * 1.5, unit * 0.7, 4));
        }
    }
    const QPointF centre = r.center();
    const QRectF oval(centre.x() - r.width() * 0.4, centre.y() - r.height() * 0.36, r.width() * 0.8,
                      r.height() * 0.72);
    QPainterPath outline;
    outline.addEllipse(oval);
    art::dropShadow(p, outline, QPointF(unit, unit), unit * 2, QColor(0, 0, 0, 150));
    goldShape(p, outline, unit);
    QPainterPath inner;
    inner.addEllipse(oval.adjusted(unit * 1.6, unit * 1.6, -unit * 1.6, -unit * 1.6));
    return inner;
}

// The square box of an emblem inside a vignette.
QRectF emblemBox(const QRectF &r, qreal share) {
    const qreal side = r.width() * share;
    return QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
}

void animals(QPainter &p, const QRectF &r, const Palette &c, qreal unit, int back) {
    const QPainterPath inner = vignetteField(p, r, c, unit, 0);
    QRadialGradient cream(r.center(), r.height() * 0.4);
    cream.setColorAt(0, QColor(0xFF, 0xF8, 0xE8));
    cream.setColorAt(1, QColor(0xEC, 0xDC, 0xB8));
    p.fillPath(inner, cream);
    const QPainterPath shape = placed(emblems::animal(back), emblemBox(r, 0.72));
    p.fillPath(shape, c.base.darker(115));
}

void flowers(QPainter &p, const QRectF &r, const Palette &c, qreal unit, int back) {
    const QPainterPath inner = vignetteField(p, r, c, unit, 1);
    QRadialGradient paper(r.center(), r.height() * 0.4);
    paper.setColorAt(0, QColor(0xFF, 0xFF, 0xF6));
    paper.setColorAt(1, c.light);
    p.fillPath(inner, paper);
    p.save();
    p.setClipPath(inner);
    const QRectF box = emblemBox(r, 0.76);
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 100.0);
    emblems::drawFlower(p, back);
    p.restore();
}

void places(QPainter &p, const QRectF &r, const Palette &c, qreal unit, int back) {
    const QPainterPath inner = vignetteField(p, r, c, unit, 2);
    p.save();
    p.setClipPath(inner);
    const QRectF box = inner.boundingRect();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 100.0);
    emblems::drawPlace(p, back, c.base.lighter(170));
    p.restore();
}

void motifs(QPainter &p, const QRectF &r, const Palette &c, qreal unit, int back) {
    const QPainterPath inner = vignetteField(p, r, c, unit, 0);
    QRadialGradient g(r.center(), r.height() * 0.4);
    g.setColorAt(0, c.base.lighter(150));
    g.setColorAt(1, c.base.darker(140));
    p.fillPath(inner, g);
    const QPainterPath shape = placed(emblems::motif(back), emblemBox(r, 0.66));
    art::dropShadow(p, shape, QPointF(unit * 0.8, unit * 0.8), unit * 1.5, QColor(0, 0, 0, 150));
    goldShape(p, shape, unit);
}

// Russian: brush-painted flowers and berries on curling stems, arched
// kokoshnik borders above and below.
void russian(QPainter &p, const QRectF &r, const Palette &c, qreal unit) {
    fillField(p, r, c);
    const QPointF centre = r.center();
    const QColor paint = c.light;
    const QColor berry = c.accent;
    // Kokoshnik arches along the top and bottom edges.
    const int arches = 4;
    const qreal archW = r.width() / arches;
    for (int edge = 0; edge < 2; ++edge) {
        for (int i = 0; i < arches; ++i) {
            QPainterPath arch;
            const qreal x = r.left() + i * archW;
            const qreal base = edge == 0 ? r.top() : r.bottom();
            const qreal dir = edge == 0 ? 1 : -1;
            arch.moveTo(x, base);
            arch.cubicTo(x, base + dir * archW * 0.7, x + archW / 2, base + dir * archW * 0.6,
                         x + archW / 2, base + dir * archW * 0.95);
            arch.cubicTo(x + archW / 2, base + dir * archW * 0.6, x + archW,
                         base + dir * archW * 0.7, x + archW, base);
            arch.closeSubpath();
            p.setPen(QPen(paint, unit * 0.7));
            p.setBrush(withAlpha(c.base.darker(150), 220));
            p.drawPath(arch);
            p.setPen(Qt::NoPen);
            p.setBrush(berry);
            p.drawEllipse(QPointF(x + archW / 2, base + dir * archW * 0.45), unit * 1.6,
                          unit * 1.6);
        }
    }
    // Curling stems with leaves ("grass") from the centre towards the corners.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        const qreal sx = i % 2 ? 1 : -1;
        const qreal sy = i < 2 ? -1 : 1;
        QPainterPath stemPath(centre);
        const QPointF end = centre + QPointF(sx * r.width() * 0.34, sy * r.height() * 0.26);
        stemPath.cubicTo(centre + QPointF(sx * r.width() * 0.3, sy * r.height() * 0.04),
                         centre + QPointF(sx * r.width() * 0.1, sy * r.height() * 0.3), end);
        p.setPen(QPen(paint, unit * 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stemPath);
        for (int k = 1; k <= 4; ++k) {
            const QPointF at = stemPath.pointAtPercent(k / 5.0);
            const qreal angle = stemPath.angleAtPercent(k / 5.0);
            p.save();
            p.translate(at);
            p.rotate(-angle + (k % 2 ? 50 : -50));
            QPainterPath leafShape;
            leafShape.moveTo(0, 0);
            leafShape.quadTo(unit * 3, -unit * 2.2, unit * 6, 0);
            leafShape.quadTo(unit * 3, unit * 2.2, 0, 0);
            p.setPen(Qt::NoPen);
            p.setBrush(paint);
            p.drawPath(leafShape);
            p.restore();
        }
        p.setPen(QPen(c.base.darker(160), unit * 0.3));
        for (int b = 0; b < 3; ++b) {
            p.setBrush(berry);
            p.drawEllipse(end + QPointF(sx * unit * 2.2 * (b - 1), sy * unit * 1.8 * (b % 2)),
                          unit * 1.8, unit * 1.8);
        }
    }
    // The flower: layered brush-stroke petals.
    const qreal radius = r.width() * 0.24;
    for (int layer = 0; layer < 3; ++layer) {
        const qreal lr = radius * (1.0 - layer * 0.3);
        const int count = 8 - layer * 2;
        for (int i = 0; i < count; ++i) {
            p.save();
            p.translate(centre);
            p.rotate(360.0 * i / count + layer * 20);
            QPainterPath petal;
            petal.moveTo(0, 0);
            petal.cubicTo(lr * 0.5, -lr * 0.2, lr * 0.6, -lr * 0.9, 0, -lr);
            petal.cubicTo(-lr * 0.6, -lr * 0.9, -lr * 0.5, -lr * 0.2, 0, 0);
            QLinearGradient stroke(0, 0, 0, -lr);
            stroke.setColorAt(0, layer == 1 ? berry : paint);
            stroke.setColorAt(1, layer == 1 ? berry.lighter(130) : Qt::white);
            p.setPen(QPen(c.base.darker(150), unit * 0.3));
            p.setBrush(stroke);
            p.drawPath(petal);
            p.restore();
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(berry);
    p.drawEllipse(centre, radius * 0.16, radius * 0.16);
}

void drawPanel(QPainter &p, const QRectF &r, int set, int back, qreal unit) {
    const Palette &c = palettes[back];
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    switch (set) {
    case 1:
        medievalLilies(p, r, c, unit);
        break;
    case 2:
        medievalRose(p, r, c, unit);
        break;
    case 3:
        carpet(p, r, c, unit);
        break;
    case 4:
        crosses(p, r, c, unit);
        break;
    case 5:
        chess(p, r, c, unit);
        break;
    case 6:
        diamonds(p, r, c, unit);
        break;
    case 7:
        knightly(p, r, c, unit);
        break;
    case 8:
        animals(p, r, c, unit, back);
        break;
    case 9:
        flowers(p, r, c, unit, back);
        break;
    case 10:
        places(p, r, c, unit, back);
        break;
    case 11:
        motifs(p, r, c, unit, back);
        break;
    default:
        russian(p, r, c, unit);
        break;
    }
    p.restore();
    // A fine frame inside the panel edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(c.accent, 230), unit * 0.7));
    p.drawRoundedRect(r.adjusted(unit * 1.6, unit * 1.6, -unit * 1.6, -unit * 1.6), unit * 1.5,
                      unit * 1.5);
}

const char *const weekdayParts[11] = {"",     "01Mo", "02Tu", "03We", "04Th", "05Fr",
                                      "06Su", "07Su", "08XX", "09XX", "10XX"};
const char *const setCodes[13] = {"",    "Cl1", "Cl2", "Car", "Cro", "Che", "Dia",
                                  "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};

int backCount(int set) {
    return set >= 8 && set <= 11 ? 10 : 7;
}

QImage turned(const QImage &upright) {
    QTransform quarter;
    quarter.rotate(90);
    return upright.transformed(quarter, Qt::SmoothTransformation);
}

} // namespace

QImage back(int set, int backNumber, QSize size) {
    const bool rounded = size.width() > smallSize.width();
    const int factor = rounded ? 3 : 4;
    QImage big = art::transparent(size * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = big.width() / 69.0; // about one pixel of the small bitmap
    const QRectF card(0, 0, big.width(), big.height());
    art::paintCardBlank(p, card, factor, rounded);
    const qreal margin = big.width() * (rounded ? 0.07 : 0.055);
    const QRectF inner = card.adjusted(margin, margin, -margin, -margin);
    QPainterPath panel;
    panel.addRoundedRect(inner, big.width() * 0.03, big.width() * 0.03);
    p.setClipPath(panel);
    drawPanel(p, inner, std::clamp(set, firstSet, lastSet), std::clamp(backNumber, 1, 10), unit);
    p.end();
    return art::reduced(big, size);
}

void drawAll(Output &out) {
    for (int set = firstSet; set <= lastSet; ++set) {
        for (int n = 1; n <= backCount(set); ++n) {
            const QString stem = QStringLiteral("Ob") + QLatin1String(weekdayParts[n]);
            const QString code = QLatin1String(setCodes[set]);
            const QImage small = back(set, n, smallSize);
            const QImage large = back(set, n, largeSize);
            out.add(QStringLiteral("bmp"), stem + code, small);
            out.add(QStringLiteral("bmp"), stem + QStringLiteral("R") + code, turned(small));
            out.add(QStringLiteral("png"), stem + code + QStringLiteral("B"), large);
            out.add(QStringLiteral("png"), stem + QStringLiteral("R") + code + QStringLiteral("B"),
                    turned(large));
        }
    }
}

} // namespace backsets
