#include "Art.h"
#include "Output.h"
#include "Pictures.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace {

struct BackStyle {
    QColor base;
    QColor light;  // pattern lines
    QColor accent; // medallions and frames
};

// One style per weekday, Monday first.
const BackStyle styles[8] = {
    {},
    {QColor(0x1B, 0x2F, 0x6B), QColor(0xC8, 0xD4, 0xF2), QColor(0xF2, 0xD0, 0x6A)},
    {QColor(0x8E, 0x14, 0x24), QColor(0xF6, 0xC8, 0xC8), QColor(0xF0, 0xCC, 0x60)},
    {QColor(0x1E, 0x5B, 0x37), QColor(0xCF, 0xEB, 0xD6), QColor(0xEE, 0xD2, 0x74)},
    {QColor(0x4B, 0x24, 0x73), QColor(0xE0, 0xD0, 0xF4), QColor(0xF0, 0xCE, 0x66)},
    {QColor(0x0E, 0x5E, 0x66), QColor(0xC8, 0xF0, 0xEE), QColor(0xF2, 0xD2, 0x6C)},
    {QColor(0x6B, 0x1A, 0x1A), QColor(0xF2, 0xD8, 0xB0), QColor(0xF4, 0xCC, 0x5C)},
    {QColor(0x1D, 0x4F, 0xA0), QColor(0xD6, 0xE4, 0xFA), QColor(0xF6, 0xD4, 0x6A)},
};

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

void latticePattern(QPainter &p, const QRectF &r, const BackStyle &s, qreal unit) {
    p.setPen(QPen(withAlpha(s.light, 120), unit * 0.5));
    const qreal step = unit * 9;
    for (qreal d = -r.height(); d < r.width() + r.height(); d += step) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(s.light, 170));
    for (qreal y = r.top(); y <= r.bottom() + step; y += step / 2) {
        const bool odd = int(std::lround((y - r.top()) / (step / 2))) % 2;
        for (qreal x = r.left() + (odd ? step / 2 : 0); x <= r.right() + step; x += step) {
            QPolygonF dot;
            dot << QPointF(x, y - unit * 1.1) << QPointF(x + unit * 1.1, y)
                << QPointF(x, y + unit * 1.1) << QPointF(x - unit * 1.1, y);
            p.drawPolygon(dot);
        }
    }
}

void rosette(QPainter &p, QPointF centre, qreal radius, const QColor &colour, qreal unit,
             int petals) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, unit * 0.45));
    for (int i = 0; i < petals; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(180.0 * i / petals);
        p.drawEllipse(QPointF(0, 0), radius, radius * 0.38);
        p.restore();
    }
    p.drawEllipse(centre, radius * 0.22, radius * 0.22);
}

void suitTiling(QPainter &p, const QRectF &r, const BackStyle &s, qreal unit) {
    const qreal step = unit * 12;
    int row = 0;
    for (qreal y = r.top() + step / 3; y < r.bottom(); y += step * 0.75, ++row) {
        int col = 0;
        for (qreal x = r.left() + (row % 2 ? step / 2 : 0) - step / 4; x < r.right();
             x += step, ++col) {
            const int suit = (row + col) % 4 + 1;
            p.fillPath(art::suitPath(suit, QRectF(x, y, step * 0.42, step * 0.42)),
                       withAlpha(s.light, 95));
        }
    }
}

void stripes(QPainter &p, const QRectF &r, const BackStyle &s, qreal unit) {
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(s.light, 40));
    const qreal step = unit * 6;
    for (qreal d = -r.height(); d < r.width(); d += step) {
        QPolygonF band;
        band << QPointF(r.left() + d, r.bottom()) << QPointF(r.left() + d + step / 2, r.bottom())
             << QPointF(r.left() + d + step / 2 + r.height(), r.top())
             << QPointF(r.left() + d + r.height(), r.top());
        p.drawPolygon(band);
    }
}

void dots(QPainter &p, const QRectF &r, const BackStyle &s, qreal unit) {
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(s.light, 110));
    const qreal step = unit * 6;
    int row = 0;
    for (qreal y = r.top() + step / 2; y < r.bottom(); y += step, ++row)
        for (qreal x = r.left() + (row % 2 ? step : step / 2); x < r.right(); x += step)
            p.drawEllipse(QPointF(x, y), unit * 0.9, unit * 0.9);
}

void star(QPainter &p, QPointF centre, qreal outer, qreal inner, int points, const QBrush &brush,
          const QPen &pen) {
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal a = M_PI * i / points - M_PI / 2;
        const qreal radius = i % 2 ? inner : outer;
        poly << centre + QPointF(std::cos(a) * radius, std::sin(a) * radius);
    }
    p.setBrush(brush);
    p.setPen(pen);
    p.drawPolygon(poly);
}

void radialLines(QPainter &p, const QRectF &r, const BackStyle &s, qreal unit) {
    p.setPen(QPen(withAlpha(s.light, 55), unit * 0.4));
    const QPointF c = r.center();
    const qreal reach = std::hypot(r.width(), r.height());
    for (int i = 0; i < 96; ++i) {
        const qreal a = 2 * M_PI * i / 96;
        p.drawLine(c, c + QPointF(std::cos(a) * reach, std::sin(a) * reach));
    }
}

void crosshatch(QPainter &p, const QRectF &r, const BackStyle &s, qreal unit) {
    p.setPen(QPen(withAlpha(s.light, 70), unit * 0.35));
    const qreal step = unit * 3.2;
    for (qreal x = r.left(); x < r.right(); x += step)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    for (qreal y = r.top(); y < r.bottom(); y += step)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

void medallion(QPainter &p, QPointF c, qreal radius, const BackStyle &s, qreal unit, int suit) {
    QPainterPath ring;
    ring.addEllipse(c, radius, radius);
    art::fillGold(p, ring, ring.boundingRect());
    QPainterPath inner;
    inner.addEllipse(c, radius * 0.84, radius * 0.84);
    QRadialGradient fill(c, radius);
    fill.setColorAt(0, s.base.lighter(150));
    fill.setColorAt(1, s.base.darker(110));
    p.fillPath(inner, fill);
    p.setPen(QPen(withAlpha(s.accent, 200), unit * 0.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius * 0.74, radius * 0.74);
    if (suit > 0) {
        const qreal side = radius * 0.9;
        const QPainterPath shape =
            art::suitPath(suit, QRectF(c.x() - side / 2, c.y() - side / 2, side, side));
        art::fillGold(p, shape, shape.boundingRect());
    }
}

// The inner panel of a back of one design, filling r.
void drawPanel(QPainter &p, const QRectF &r, int design, qreal unit) {
    const BackStyle &s = styles[design];
    QRadialGradient base(r.center(), std::hypot(r.width(), r.height()) / 2);
    base.setColorAt(0, s.base.lighter(125));
    base.setColorAt(1, s.base.darker(120));
    p.fillRect(r, base);
    p.save();
    p.setClipRect(r);
    const QPointF c = r.center();
    switch (design) {
    case 1:
        latticePattern(p, r, s, unit);
        medallion(p, c, r.width() * 0.2, s, unit, 2);
        break;
    case 2:
        rosette(p, c, r.width() * 0.42, withAlpha(s.accent, 210), unit, 18);
        rosette(p, c, r.width() * 0.26, withAlpha(s.light, 170), unit, 12);
        for (const QPointF corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            rosette(p, corner, r.width() * 0.3, withAlpha(s.light, 120), unit, 10);
        break;
    case 3:
        suitTiling(p, r, s, unit);
        medallion(p, c, r.width() * 0.2, s, unit, 3);
        break;
    case 4: {
        stripes(p, r, s, unit);
        QPainterPath oval;
        oval.addEllipse(c, r.width() * 0.3, r.height() * 0.26);
        art::fillGold(p, oval, oval.boundingRect());
        QPainterPath inner;
        inner.addEllipse(c, r.width() * 0.26, r.height() * 0.225);
        p.fillPath(inner, s.base.darker(115));
        const qreal side = r.width() * 0.3;
        const QPainterPath spade =
            art::suitPath(4, QRectF(c.x() - side / 2, c.y() - side / 2, side, side));
        art::fillGold(p, spade, spade.boundingRect());
        break;
    }
    case 5:
        dots(p, r, s, unit);
        star(p, c, r.width() * 0.36, r.width() * 0.15, 8, QBrush(withAlpha(s.accent, 230)),
             QPen(s.base.darker(150), unit * 0.5));
        star(p, c, r.width() * 0.18, r.width() * 0.08, 8, QBrush(s.base.lighter(140)), Qt::NoPen);
        break;
    case 6:
        radialLines(p, r, s, unit);
        star(p, c, r.width() * 0.42, r.width() * 0.07, 4, QBrush(withAlpha(s.accent, 235)),
             QPen(s.base.darker(160), unit * 0.4));
        p.save();
        p.translate(c);
        p.rotate(45);
        star(p, QPointF(0, 0), r.width() * 0.26, r.width() * 0.05, 4,
             QBrush(withAlpha(s.light, 220)), QPen(s.base.darker(160), unit * 0.4));
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(s.accent, 200), unit * 0.6));
        p.drawEllipse(c, r.width() * 0.44, r.width() * 0.44);
        break;
    default: {
        crosshatch(p, r, s, unit);
        medallion(p, c, r.width() * 0.3, s, unit, 0);
        const qreal side = r.width() * 0.16;
        const qreal orbit = r.width() * 0.13;
        for (int suit = 1; suit <= 4; ++suit) {
            const qreal a = M_PI / 2 * (suit - 1) - M_PI / 2;
            const QPointF at = c + QPointF(std::cos(a) * orbit, std::sin(a) * orbit);
            const QPainterPath shape =
                art::suitPath(suit, QRectF(at.x() - side / 2, at.y() - side / 2, side, side));
            art::fillGold(p, shape, shape.boundingRect());
        }
        break;
    }
    }
    p.restore();
    // A double frame inside the panel edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(s.accent, 230), unit * 0.8));
    p.drawRoundedRect(r.adjusted(unit * 2, unit * 2, -unit * 2, -unit * 2), unit * 2, unit * 2);
    p.setPen(QPen(withAlpha(s.light, 170), unit * 0.4));
    p.drawRoundedRect(r.adjusted(unit * 3.4, unit * 3.4, -unit * 3.4, -unit * 3.4), unit * 1.5,
                      unit * 1.5);
}

// A whole back at a given size. With rounded corners and a border for the
// large pictures; square and borderless for the small bitmap, which the
// program frames itself.
QImage back(int design, QSize size, bool rounded) {
    const int factor = 4;
    QImage big = art::transparent(size * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = big.width() / 69.0; // about one pixel of the small bitmap
    const QRectF card(0, 0, big.width(), big.height());
    art::paintCardBlank(p, card, factor, rounded);
    const qreal margin = big.width() * (rounded ? 0.075 : 0.06);
    QPainterPath panel;
    const QRectF inner = card.adjusted(margin, margin, -margin, -margin);
    panel.addRoundedRect(inner, big.width() * 0.035, big.width() * 0.035);
    p.setClipPath(panel);
    drawPanel(p, inner, design, unit);
    p.end();
    return art::reduced(big, size);
}

QImage turned(const QImage &upright) {
    QTransform quarter;
    quarter.rotate(90);
    return upright.transformed(quarter, Qt::SmoothTransformation);
}

} // namespace

void drawBacks(Output &out) {
    const char *const parts[8] = {"", "01Mo", "02Tu", "03We", "04Th", "05Fr", "06Su", "07Su"};
    for (int design = 1; design <= 7; ++design) {
        const QString name = QStringLiteral("Ob") + QLatin1String(parts[design]);
        const QImage small = back(design, QSize(69, 94), false);
        const QImage large = back(design, QSize(146, 198), true);
        out.add(QStringLiteral("bmp"), name, small);
        out.add(QStringLiteral("bmp"), name + QStringLiteral("R"), turned(small));
        out.add(QStringLiteral("png"), name + QStringLiteral("B"), large);
        out.add(QStringLiteral("png"), name + QStringLiteral("RB"), turned(large));
    }
}
