// The holiday pictures of the calendar library: flags on poles, symbols of
// the feasts (tree, hearts, eggs, crosses, ...), each on a rounded panel.
#include "CalendarArt.h"

#include "calendar/PageGeometry.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <functional>

namespace calendar_art {

namespace {

const QColor ink(40, 30, 25);
constexpr double W = quarn::calendar_page::pictureWidth;
constexpr double H = quarn::calendar_page::pictureHeight;

QPen roundPen(QColor c, double w) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// ---- Flags -------------------------------------------------------------------

const QRectF flagBox(10, 12, 40, 27);

QPainterPath wavingOutline(const QRectF &r) {
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.cubicTo(r.left() + r.width() * 0.35, r.top() - 3, r.left() + r.width() * 0.65, r.top() + 3,
                 r.right(), r.top());
    path.lineTo(r.bottomRight());
    path.cubicTo(r.left() + r.width() * 0.65, r.bottom() + 3, r.left() + r.width() * 0.35,
                 r.bottom() - 3, r.left(), r.bottom());
    path.closeSubpath();
    return path;
}

// A flag on a pole: the field is drawn straight into flagBox, then clipped to
// a waving outline and shaded in folds.
void flag(QPainter &p, const std::function<void(QPainter &, const QRectF &)> &field) {
    panel(p, QSize(int(W), int(H)), QColor(170, 215, 250), QColor(70, 130, 200));
    // A few clouds.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(36, 54), 10, 4);
    p.drawEllipse(QPointF(28, 56), 7, 3);
    // The pole and its knob.
    QLinearGradient pole(5.5, 0, 8.5, 0);
    pole.setColorAt(0, QColor(120, 90, 50));
    pole.setColorAt(0.5, QColor(230, 200, 150));
    pole.setColorAt(1, QColor(110, 80, 40));
    p.setBrush(pole);
    p.drawRect(QRectF(6, 9, 2.5, 58));
    QRadialGradient knob(QPointF(6.5, 7), 3);
    knob.setColorAt(0, QColor(255, 240, 170));
    knob.setColorAt(1, QColor(190, 140, 40));
    p.setBrush(knob);
    p.drawEllipse(QPointF(7.25, 8), 2.6, 2.6);

    const QRectF r(flagBox.left() - 1.5, flagBox.top(), flagBox.width() + 1.5, flagBox.height());
    const QPainterPath outline = wavingOutline(r);
    p.save();
    p.setClipPath(outline);
    field(p, r.adjusted(0, -3, 0, 3));
    // Folds: light and shade across the cloth.
    QLinearGradient folds(r.left(), 0, r.right(), 0);
    for (int i = 0; i <= 6; ++i)
        folds.setColorAt(i / 6.0, i % 2 ? QColor(0, 0, 0, 45) : QColor(255, 255, 255, 45));
    p.fillRect(r.adjusted(0, -4, 0, 4), folds);
    p.restore();
    p.setPen(QPen(QColor(0, 0, 0, 110), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
}

void horizontalStripes(QPainter &p, const QRectF &r,
                       std::initializer_list<std::pair<QColor, double>> stripes) {
    double total = 0;
    for (const auto &s : stripes)
        total += s.second;
    double y = r.top();
    for (const auto &s : stripes) {
        const double h = r.height() * s.second / total;
        p.fillRect(QRectF(r.left(), y, r.width(), h + 0.2), s.first);
        y += h;
    }
}

void verticalStripes(QPainter &p, const QRectF &r, std::initializer_list<QColor> stripes) {
    const double w = r.width() / double(stripes.size());
    double x = r.left();
    for (const QColor &c : stripes) {
        p.fillRect(QRectF(x, r.top(), w + 0.2, r.height()), c);
        x += w;
    }
}

void russia(QPainter &p, const QRectF &r) {
    horizontalStripes(p, r, {{Qt::white, 1}, {QColor(0, 57, 166), 1}, {QColor(213, 43, 30), 1}});
}

void france(QPainter &p, const QRectF &r) {
    verticalStripes(p, r, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)});
}

void germany(QPainter &p, const QRectF &r) {
    horizontalStripes(p, r, {{Qt::black, 1}, {QColor(221, 0, 0), 1}, {QColor(255, 206, 0), 1}});
}

void spain(QPainter &p, const QRectF &r) {
    horizontalStripes(
        p, r, {{QColor(170, 21, 27), 1}, {QColor(241, 191, 0), 2}, {QColor(170, 21, 27), 1}});
    // A small shield on the hoist side of the yellow band.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 21, 27));
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.22, r.center().y() - 3.5, 5, 7), 1.5, 1.5);
    p.setBrush(QColor(200, 160, 40));
    p.drawRect(QRectF(r.left() + r.width() * 0.22 - 1, r.center().y() - 4.5, 7, 1.2));
}

void usa(QPainter &p, const QRectF &r) {
    for (int i = 0; i < 13; ++i)
        p.fillRect(
            QRectF(r.left(), r.top() + r.height() * i / 13, r.width(), r.height() / 13 + 0.2),
            i % 2 ? Qt::white : QColor(178, 34, 52));
    const QRectF canton(r.left(), r.top(), r.width() * 0.42, r.height() * 7 / 13);
    p.fillRect(canton, QColor(60, 59, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 6 - row % 2; ++col)
            p.drawPath(star(QPointF(canton.left() + 1.6 + col * 2.8 + (row % 2) * 1.4,
                                    canton.top() + 1.8 + row * 3.0),
                            0.9, 0.38, 5));
}

void unionJack(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(1, 33, 105));
    p.save();
    p.setClipRect(r);
    const double u = r.height() / 30.0; // the flag is 60 x 30 units
    p.setPen(QPen(Qt::white, 6 * u));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(QColor(200, 16, 46), 2 * u));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(r.center().x() - 5 * u, r.top(), 10 * u, r.height()), Qt::white);
    p.fillRect(QRectF(r.left(), r.center().y() - 5 * u, r.width(), 10 * u), Qt::white);
    p.fillRect(QRectF(r.center().x() - 3 * u, r.top(), 6 * u, r.height()), QColor(200, 16, 46));
    p.fillRect(QRectF(r.left(), r.center().y() - 3 * u, r.width(), 6 * u), QColor(200, 16, 46));
    p.restore();
}

// ---- Symbols -------------------------------------------------------------------

QPainterPath heartPath(QPointF c, double s) {
    QPainterPath h;
    h.moveTo(c.x(), c.y() + s * 0.9);
    h.cubicTo(c.x() - s * 0.3, c.y() + s * 0.6, c.x() - s, c.y() + s * 0.15, c.x() - s,
              c.y() - s * 0.35);
    h.cubicTo(c.x() - s, c.y() - s * 0.85, c.x() - s * 0.2, c.y() - s, c.x(), c.y() - s * 0.45);
    h.cubicTo(c.x() + s * 0.2, c.y() - s, c.x() + s, c.y() - s * 0.85, c.x() + s, c.y() - s * 0.35);
    h.cubicTo(c.x() + s, c.y() + s * 0.15, c.x() + s * 0.3, c.y() + s * 0.6, c.x(),
              c.y() + s * 0.9);
    h.closeSubpath();
    return h;
}

void snowflakes(QPainter &p, int count, unsigned seed) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    unsigned s = seed;
    for (int i = 0; i < count; ++i) {
        s = s * 1103515245u + 12345u;
        const double x = 4 + (s >> 8) % 46;
        s = s * 1103515245u + 12345u;
        const double y = 4 + (s >> 8) % 60;
        p.drawEllipse(QPointF(x, y), 0.7, 0.7);
    }
}

void newYear(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(30, 50, 110), QColor(10, 20, 50));
    snowflakes(p, 28, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 40));
    p.drawRect(QRectF(24.5, 55, 5, 8));
    const QColor greens[] = {QColor(30, 120, 60), QColor(35, 140, 70), QColor(45, 160, 80)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath tier;
        const double top = 10 + i * 12, half = 10 + i * 5, bottom = 30 + i * 12;
        tier.moveTo(27, top);
        tier.lineTo(27 + half, bottom);
        tier.quadTo(27, bottom + 3, 27 - half, bottom);
        tier.closeSubpath();
        QLinearGradient g(27 - half, 0, 27 + half, 0);
        g.setColorAt(0, greens[i].lighter(125));
        g.setColorAt(1, greens[i].darker(130));
        fillOutlined(p, tier, g, QColor(10, 60, 30), 0.5);
    }
    // Garland and baubles.
    p.setPen(roundPen(QColor(250, 220, 90), 0.7));
    p.setBrush(Qt::NoBrush);
    QPainterPath garland;
    garland.moveTo(19, 28);
    garland.quadTo(27, 34, 35, 28);
    garland.moveTo(15, 41);
    garland.quadTo(27, 48, 39, 41);
    p.drawPath(garland);
    const struct {
        double x, y;
        QColor c;
    } baubles[] = {{20, 33, QColor(220, 40, 40)},  {33, 35, QColor(250, 200, 40)},
                   {27, 45, QColor(60, 140, 240)}, {16, 50, QColor(250, 200, 40)},
                   {38, 51, QColor(220, 40, 40)},  {27, 24, QColor(220, 40, 40)}};
    for (const auto &b : baubles) {
        QRadialGradient g(QPointF(b.x - 0.7, b.y - 0.7), 2.4);
        g.setColorAt(0, b.c.lighter(170));
        g.setColorAt(1, b.c);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(b.x, b.y), 2, 2);
    }
    QRadialGradient glow(QPointF(27, 9), 8);
    glow.setColorAt(0, QColor(255, 240, 150, 200));
    glow.setColorAt(1, QColor(255, 240, 150, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(27, 9), 8, 8);
    fillOutlined(p, star(QPointF(27, 9), 5, 2.1, 5), QColor(255, 215, 60), QColor(180, 120, 20),
                 0.5);
}

void knowledge(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(230, 240, 255), QColor(150, 180, 230));
    // An open book.
    QPainterPath left, right;
    left.moveTo(27, 44);
    left.cubicTo(20, 40, 12, 40, 6, 42);
    left.lineTo(6, 62);
    left.cubicTo(12, 60, 20, 60, 27, 64);
    left.closeSubpath();
    right = QTransform(-1, 0, 0, 1, 54, 0).map(left);
    fillOutlined(p, QPainterPath(left).translated(0, 1.5), QColor(140, 30, 30), QColor(90, 20, 20),
                 0.5);
    fillOutlined(p, QPainterPath(right).translated(0, 1.5), QColor(140, 30, 30), QColor(90, 20, 20),
                 0.5);
    fillOutlined(p, left, QColor(255, 252, 240), QColor(150, 140, 120), 0.5);
    fillOutlined(p, right, QColor(255, 252, 240), QColor(150, 140, 120), 0.5);
    p.setPen(QPen(QColor(150, 150, 170), 0.5));
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(9, 46.5 + i * 3.6), QPointF(24, 47.5 + i * 3.6));
        p.drawLine(QPointF(30, 47.5 + i * 3.6), QPointF(45, 46.5 + i * 3.6));
    }
    // A graduate's cap with its tassel.
    QPainterPath board;
    board.moveTo(27, 10);
    board.lineTo(47, 18);
    board.lineTo(27, 26);
    board.lineTo(7, 18);
    board.closeSubpath();
    QPainterPath crown;
    crown.moveTo(16, 22);
    crown.lineTo(16, 30);
    crown.quadTo(27, 36, 38, 30);
    crown.lineTo(38, 22);
    crown.closeSubpath();
    fillOutlined(p, crown, QColor(40, 40, 60), QColor(10, 10, 20), 0.5);
    fillOutlined(p, board, QColor(60, 60, 85), QColor(10, 10, 20), 0.5);
    p.setPen(roundPen(QColor(250, 200, 50), 0.9));
    p.drawLine(QPointF(27, 18), QPointF(41, 21));
    p.drawLine(QPointF(41, 21), QPointF(41, 31));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 50));
    p.drawRoundedRect(QRectF(39.6, 30, 2.8, 5), 1, 1);
}

void order(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(150, 20, 25), QColor(70, 5, 10));
    const QPointF c(27, 33);
    QRadialGradient rays(c, 24);
    rays.setColorAt(0, QColor(255, 240, 180));
    rays.setColorAt(1, QColor(200, 150, 50));
    fillOutlined(p, star(c, 23, 13, 16), rays, QColor(130, 90, 20), 0.5);
    fillOutlined(p, star(c, 19, 8, 8, -67.5), QColor(235, 200, 110), QColor(150, 110, 30), 0.4);
    QLinearGradient red(c.x(), c.y() - 16, c.x(), c.y() + 14);
    red.setColorAt(0, QColor(240, 60, 50));
    red.setColorAt(1, QColor(160, 10, 15));
    fillOutlined(p, star(c, 16, 6.5, 5), red, QColor(255, 220, 120), 1.0);
    p.setPen(QPen(QColor(255, 220, 120), 0.8));
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(c, 4.5, 4.5);
    fillOutlined(p, star(c, 3, 1.3, 5), QColor(255, 220, 120), QColor(255, 220, 120), 0);
}

void love(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(255, 220, 235), QColor(240, 140, 180));
    QRadialGradient back(QPointF(33, 28), 14);
    back.setColorAt(0, QColor(255, 150, 180));
    back.setColorAt(1, QColor(220, 60, 110));
    fillOutlined(p, heartPath(QPointF(34, 30), 13), back, QColor(150, 20, 60), 0.6);
    QRadialGradient front(QPointF(18, 36), 16);
    front.setColorAt(0, QColor(255, 110, 110));
    front.setColorAt(1, QColor(200, 10, 30));
    fillOutlined(p, heartPath(QPointF(21, 38), 15), front, QColor(120, 0, 20), 0.6);
    // The arrow through both hearts.
    p.setPen(roundPen(QColor(120, 80, 40), 1.4));
    p.drawLine(QPointF(6, 58), QPointF(47, 14));
    QPainterPath head;
    head.moveTo(49, 12);
    head.lineTo(42.5, 14.5);
    head.lineTo(46.5, 18.5);
    head.closeSubpath();
    fillOutlined(p, head, QColor(200, 200, 210), QColor(90, 90, 100), 0.4);
    p.setPen(roundPen(QColor(255, 255, 255), 1.2));
    p.drawLine(QPointF(7, 57), QPointF(4, 54));
    p.drawLine(QPointF(9, 55), QPointF(6, 52));
    p.drawLine(QPointF(7, 57), QPointF(10, 60));
    p.drawLine(QPointF(9, 55), QPointF(12, 58));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawEllipse(QPointF(14, 31), 3, 2);
}

void georgeRibbon(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(255, 250, 235), QColor(215, 200, 170));
    QPainterPath loop;
    loop.moveTo(14, 64);
    loop.cubicTo(24, 46, 38, 30, 38, 18);
    loop.cubicTo(38, 6, 16, 6, 16, 18);
    loop.cubicTo(16, 30, 30, 46, 40, 64);
    const QColor orange(240, 140, 20), black(25, 20, 15);
    const double widths[] = {10, 8, 6, 4, 2};
    for (int i = 0; i < 5; ++i) {
        p.setPen(
            QPen(i % 2 ? orange : black, widths[i], Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(loop);
    }
    // Swallow-tail ends.
    for (QPointF end : {QPointF(14, 64), QPointF(40, 64)}) {
        QPainterPath notch;
        notch.moveTo(end.x() - 6, end.y() + 3);
        notch.lineTo(end.x(), end.y() - 1);
        notch.lineTo(end.x() + 6, end.y() + 3);
        notch.lineTo(end.x() + 6, end.y() + 6);
        notch.lineTo(end.x() - 6, end.y() + 6);
        notch.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(215, 200, 170));
        p.drawPath(notch);
    }
}

void womensDay(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(255, 235, 245), QColor(235, 160, 200));
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(48);
    font.setBold(true);
    QPainterPath eight;
    eight.addText(0, 0, font, QStringLiteral("8"));
    const QRectF b = eight.boundingRect();
    eight.translate(27 - b.center().x(), 27 - b.center().y());
    QLinearGradient g(0, 6, 0, 48);
    g.setColorAt(0, QColor(255, 90, 160));
    g.setColorAt(1, QColor(170, 0, 90));
    fillOutlined(p, eight, g, QColor(110, 0, 60), 0.8);
    // Three tulips.
    const struct {
        double x, lean;
        QColor c;
    } tulips[] = {{15, -14, QColor(230, 40, 60)},
                  {27, 0, QColor(250, 200, 40)},
                  {39, 14, QColor(230, 40, 60)}};
    for (const auto &t : tulips) {
        const QPointF bloom(t.x, 48);
        p.setPen(roundPen(QColor(40, 130, 50), 1.3));
        p.drawLine(bloom, QPointF(27, 66));
        p.save();
        p.translate(bloom);
        p.rotate(t.lean);
        QPainterPath cup;
        cup.moveTo(-4, -4);
        cup.lineTo(-2, -1);
        cup.lineTo(0, -5);
        cup.lineTo(2, -1);
        cup.lineTo(4, -4);
        cup.cubicTo(4.5, 2, 2, 4, 0, 4);
        cup.cubicTo(-2, 4, -4.5, 2, -4, -4);
        cup.closeSubpath();
        fillOutlined(p, cup, t.c, t.c.darker(160), 0.5);
        p.restore();
    }
    QPainterPath leaf;
    leaf.moveTo(27, 66);
    leaf.cubicTo(20, 60, 18, 56, 19, 54);
    leaf.cubicTo(23, 57, 26, 61, 27, 66);
    fillOutlined(p, leaf, QColor(60, 160, 70), QColor(30, 90, 40), 0.4);
}

void shamrock(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(120, 200, 120), QColor(20, 100, 50));
    const QPointF c(27, 32);
    p.setPen(roundPen(QColor(20, 90, 30), 2.2));
    QPainterPath stem;
    stem.moveTo(c);
    stem.cubicTo(28, 44, 31, 54, 36, 62);
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 120);
        // Heart-shaped leaflets with their points at the centre.
        const QPainterPath leaf = heartPath(QPointF(0, -9.5), 9.5);
        QRadialGradient g(QPointF(0, -12), 12);
        g.setColorAt(0, QColor(130, 230, 110));
        g.setColorAt(1, QColor(30, 140, 50));
        fillOutlined(p, leaf, g, QColor(10, 70, 20), 0.7);
        p.setPen(QPen(QColor(200, 255, 190, 160), 0.6));
        p.drawLine(QPointF(0, -2), QPointF(0, -14));
        p.restore();
    }
}

void aprilFool(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(255, 245, 170), QColor(250, 190, 60));
    const QPointF c(27, 42);
    QRadialGradient face(c - QPointF(4, 4), 18);
    face.setColorAt(0, QColor(255, 240, 140));
    face.setColorAt(1, QColor(245, 190, 30));
    fillOutlined(p, QPainterPath(), face, ink, 0);
    p.setPen(QPen(QColor(170, 110, 10), 0.8));
    p.setBrush(face);
    p.drawEllipse(c, 14, 14);
    // The jester's cap: three points with bells.
    const QColor colours[] = {QColor(220, 30, 40), QColor(40, 150, 60), QColor(40, 80, 210)};
    const QPointF tips[] = {QPointF(6, 16), QPointF(27, 6), QPointF(48, 16)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath point;
        point.moveTo(15 + i * 6, 33);
        point.quadTo((15 + i * 6 + tips[i].x()) / 2 - 2, 20, tips[i].x(), tips[i].y());
        point.quadTo((21 + i * 6 + tips[i].x()) / 2 + 2, 22, 21 + i * 6 + 6, 33);
        point.closeSubpath();
        fillOutlined(p, point, colours[i], colours[i].darker(170), 0.6);
        p.setPen(QPen(QColor(150, 110, 10), 0.5));
        p.setBrush(QColor(255, 220, 60));
        p.drawEllipse(tips[i], 2.3, 2.3);
    }
    p.setPen(QPen(QColor(150, 110, 10), 0.5));
    p.setBrush(QColor(255, 220, 60));
    p.drawRoundedRect(QRectF(13, 30.5, 28, 4), 2, 2);
    // Laughing eyes and a wide grin.
    p.setPen(roundPen(ink, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19, 38, 5, 4), 0, 180 * 16);
    p.drawArc(QRectF(30, 38, 5, 4), 0, 180 * 16);
    QPainterPath grin;
    grin.moveTo(19, 46);
    grin.quadTo(27, 56, 35, 46);
    grin.closeSubpath();
    fillOutlined(p, grin, QColor(170, 30, 40), ink, 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 100, 130));
    p.drawEllipse(QPointF(16, 46), 2.5, 1.7);
    p.drawEllipse(QPointF(38, 46), 2.5, 1.7);
}

void mayDay(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(190, 230, 255), QColor(110, 180, 240));
    // The sun behind.
    QRadialGradient sun(QPointF(40, 16), 12);
    sun.setColorAt(0, QColor(255, 250, 200));
    sun.setColorAt(1, QColor(255, 200, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(40, 16), 12, 12);
    p.setBrush(QColor(130, 90, 50));
    p.drawRect(QRectF(9, 10, 2, 56));
    QPainterPath banner = wavingOutline(QRectF(11, 12, 34, 24));
    QLinearGradient red(11, 0, 45, 0);
    red.setColorAt(0, QColor(230, 30, 30));
    red.setColorAt(0.5, QColor(255, 70, 60));
    red.setColorAt(1, QColor(190, 10, 20));
    fillOutlined(p, banner, red, QColor(120, 0, 0), 0.5);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    font.setBold(true);
    QPainterPath one;
    one.addText(0, 0, font, QStringLiteral("1"));
    const QRectF b = one.boundingRect();
    one.translate(28 - b.center().x(), 24 - b.center().y());
    fillOutlined(p, one, QColor(255, 215, 60), QColor(150, 90, 0), 0.5);
    // A sprig of lilies of the valley.
    p.setPen(roundPen(QColor(40, 140, 60), 1.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath stalk;
    stalk.moveTo(30, 66);
    stalk.cubicTo(30, 54, 36, 46, 46, 44);
    p.drawPath(stalk);
    QPainterPath leaf;
    leaf.moveTo(28, 66);
    leaf.cubicTo(18, 58, 20, 48, 24, 44);
    leaf.cubicTo(28, 52, 30, 58, 28, 66);
    fillOutlined(p, leaf, QColor(70, 170, 80), QColor(30, 100, 40), 0.4);
    p.setPen(QPen(QColor(200, 200, 200), 0.3));
    p.setBrush(Qt::white);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(33 + i * 3.5, 50 - i * 1.4 + 2), 1.6, 1.6);
}

void children(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(220, 245, 255), QColor(150, 210, 250));
    const struct {
        QPointF c;
        QColor colour;
    } balloons[] = {{QPointF(16, 22), QColor(235, 50, 60)},
                    {QPointF(38, 20), QColor(60, 120, 235)},
                    {QPointF(27, 13), QColor(250, 200, 40)}};
    for (const auto &b : balloons) {
        p.setPen(QPen(QColor(90, 90, 90), 0.5));
        p.setBrush(Qt::NoBrush);
        QPainterPath string;
        string.moveTo(b.c + QPointF(0, 9));
        string.cubicTo(b.c + QPointF(-2, 18), QPointF(29, 40), QPointF(27, 48));
        p.drawPath(string);
        QRadialGradient g(b.c - QPointF(2.5, 3), 9);
        g.setColorAt(0, b.colour.lighter(170));
        g.setColorAt(1, b.colour);
        p.setPen(QPen(b.colour.darker(150), 0.5));
        p.setBrush(g);
        p.drawEllipse(b.c, 7, 8.5);
        QPainterPath knot;
        knot.moveTo(b.c + QPointF(0, 8.3));
        knot.lineTo(b.c + QPointF(-1.3, 10));
        knot.lineTo(b.c + QPointF(1.3, 10));
        knot.closeSubpath();
        p.drawPath(knot);
    }
    // A teddy bear holding the strings.
    const QColor fur(190, 130, 70), dark(110, 65, 30), light(240, 205, 160);
    p.setPen(QPen(dark, 0.6));
    p.setBrush(fur);
    p.drawEllipse(QPointF(27, 59), 8, 7);
    p.drawEllipse(QPointF(20.5, 44), 2.8, 2.8);
    p.drawEllipse(QPointF(33.5, 44), 2.8, 2.8);
    p.drawEllipse(QPointF(27, 49), 7, 6.2);
    p.drawEllipse(QPointF(20, 55), 3, 2.4);
    p.drawEllipse(QPointF(34, 55), 3, 2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(QPointF(27, 51.5), 3.2, 2.4);
    p.drawEllipse(QPointF(27, 60), 4.5, 4);
    p.setBrush(ink);
    p.drawEllipse(QPointF(24.4, 47.8), 0.9, 0.9);
    p.drawEllipse(QPointF(29.6, 47.8), 0.9, 0.9);
    p.drawEllipse(QPointF(27, 50.7), 1.2, 0.9);
}

void musicDay(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(70, 90, 180), QColor(20, 30, 90));
    // The tricolour along the bottom.
    p.setPen(Qt::NoPen);
    const QColor bands[] = {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)};
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(6 + i * 14, 58, 14, 6), bands[i]);
    // Five staff lines and two beamed notes.
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.5));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(5, 16 + i * 5), QPointF(49, 16 + i * 5));
    const QColor gold(255, 215, 80);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    for (QPointF head : {QPointF(16, 44), QPointF(36, 40)}) {
        p.save();
        p.translate(head);
        p.rotate(-25);
        p.drawEllipse(QPointF(0, 0), 5, 3.6);
        p.restore();
    }
    p.fillRect(QRectF(19.2, 14, 2, 30), gold);
    p.fillRect(QRectF(39.2, 10, 2, 30), gold);
    QPainterPath beam;
    beam.moveTo(19.2, 14);
    beam.lineTo(41.2, 10);
    beam.lineTo(41.2, 16);
    beam.lineTo(19.2, 20);
    beam.closeSubpath();
    p.drawPath(beam);
}

void fireworks(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(20, 30, 80), QColor(5, 5, 25));
    const struct {
        QPointF c;
        double r;
        QColor colour;
    } bursts[] = {{QPointF(17, 20), 12, QColor(255, 70, 70)},
                  {QPointF(38, 28), 11, QColor(120, 170, 255)},
                  {QPointF(22, 44), 9, QColor(255, 255, 255)}};
    for (const auto &b : bursts) {
        for (int i = 0; i < 16; ++i) {
            const double a = qDegreesToRadians(22.5 * i);
            const QPointF from = b.c + QPointF(qCos(a), qSin(a)) * b.r * 0.25;
            const QPointF to = b.c + QPointF(qCos(a), qSin(a)) * b.r;
            QLinearGradient g(from, to);
            g.setColorAt(0, QColor(b.colour.red(), b.colour.green(), b.colour.blue(), 40));
            g.setColorAt(1, b.colour);
            p.setPen(QPen(QBrush(g), 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(from, to);
            p.setPen(Qt::NoPen);
            p.setBrush(b.colour.lighter(130));
            p.drawEllipse(to, 0.9, 0.9);
        }
    }
    // Trails rising from the ground and a line of stars.
    p.setPen(QPen(QColor(255, 220, 150, 150), 0.6, Qt::DotLine));
    p.drawLine(QPointF(22, 66), QPointF(22, 54));
    p.drawLine(QPointF(38, 66), QPointF(38, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    for (int i = 0; i < 5; ++i)
        p.drawPath(star(QPointF(9 + i * 9, 60), 2.2, 0.9, 5));
}

void guitar(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(70, 40, 90), QColor(20, 10, 30));
    // A spotlight.
    QRadialGradient spot(QPointF(27, 40), 30);
    spot.setColorAt(0, QColor(255, 240, 200, 110));
    spot.setColorAt(1, QColor(255, 240, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(spot);
    p.drawEllipse(QPointF(27, 40), 30, 30);
    p.save();
    p.translate(27, 36);
    p.rotate(30);
    // Neck and head.
    p.fillRect(QRectF(-2, -30, 4, 24), QColor(90, 50, 25));
    p.fillRect(QRectF(-3, -36, 6, 7), QColor(60, 30, 15));
    p.setBrush(QColor(230, 230, 230));
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(-4, -34.5 + i * 2.2), 1, 0.8);
        p.drawEllipse(QPointF(4, -34.5 + i * 2.2), 1, 0.8);
    }
    QPainterPath body;
    body.addEllipse(QPointF(0, 4), 8.5, 8);
    body.addEllipse(QPointF(0, 15), 11, 10);
    QLinearGradient wood(-11, 0, 11, 0);
    wood.setColorAt(0, QColor(150, 60, 10));
    wood.setColorAt(0.5, QColor(250, 170, 60));
    wood.setColorAt(1, QColor(150, 60, 10));
    fillOutlined(p, body.simplified(), wood, QColor(60, 25, 5), 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 20, 10));
    p.drawEllipse(QPointF(0, 8), 3.6, 3.6);
    p.fillRect(QRectF(-4, 17, 8, 2), QColor(60, 30, 10));
    p.setPen(QPen(QColor(240, 240, 240), 0.25));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(-1.2 + i * 0.8, -30), QPointF(-1.2 + i * 0.8, 18));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 80));
    p.drawPath(star(QPointF(11, 12), 3, 1.2, 5));
    p.drawPath(star(QPointF(44, 56), 2.5, 1, 5));
}

void programmer(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(80, 90, 110), QColor(30, 35, 50));
    // The monitor.
    p.setPen(QPen(QColor(20, 20, 25), 0.6));
    p.setBrush(QColor(200, 205, 215));
    p.drawRoundedRect(QRectF(5, 10, 44, 34), 2.5, 2.5);
    p.setBrush(QColor(10, 25, 20));
    p.drawRect(QRectF(8, 13, 38, 27));
    p.setBrush(QColor(170, 175, 185));
    p.drawRect(QRectF(23, 44, 8, 6));
    p.drawRoundedRect(QRectF(15, 50, 24, 3.5), 1.5, 1.5);
    // Code on the screen.
    const struct {
        double indent, length;
        QColor c;
    } lines[] = {{0, 16, QColor(120, 220, 120)}, {4, 22, QColor(240, 200, 90)},
                 {4, 12, QColor(120, 200, 250)}, {8, 18, QColor(120, 220, 120)},
                 {4, 8, QColor(240, 120, 120)},  {0, 4, QColor(120, 220, 120)}};
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(lines[i].c, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11 + lines[i].indent, 16.5 + i * 4),
                   QPointF(11 + lines[i].indent + lines[i].length, 16.5 + i * 4));
    }
    // A keyboard.
    p.setPen(QPen(QColor(20, 20, 25), 0.5));
    p.setBrush(QColor(220, 222, 230));
    p.drawRoundedRect(QRectF(7, 56, 40, 9), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 155, 165));
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < 9; ++k)
            p.drawRect(QRectF(9 + k * 4.1 + row, 57.5 + row * 3.2, 3, 2.4));
}

QPainterPath dovePath() {
    QPainterPath d;
    d.moveTo(6, 30);
    d.cubicTo(12, 24, 20, 26, 24, 30); // head and back
    d.cubicTo(26, 18, 32, 8, 46, 6);   // upper wing
    d.cubicTo(40, 14, 38, 22, 34, 30);
    d.cubicTo(40, 28, 46, 28, 50, 26); // tail
    d.cubicTo(48, 32, 44, 36, 36, 38);
    d.cubicTo(28, 44, 16, 42, 12, 34); // belly
    d.cubicTo(10, 33, 8, 32, 6, 30);
    d.closeSubpath();
    return d;
}

void peace(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(180, 220, 255), QColor(80, 140, 220));
    QPainterPath dove = dovePath().translated(0, 8);
    QLinearGradient g(0, 14, 0, 50);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(210, 220, 235));
    fillOutlined(p, dove, g, QColor(90, 110, 140), 0.7);
    p.setPen(QPen(QColor(150, 170, 200), 0.5));
    p.drawLine(QPointF(30, 28), QPointF(38, 20));
    p.drawLine(QPointF(32, 32), QPointF(41, 23));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(11, 37), 0.9, 0.9);
    QPainterPath beak;
    beak.moveTo(6.5, 37.5);
    beak.lineTo(3, 39);
    beak.lineTo(7, 39.5);
    p.setBrush(QColor(240, 160, 40));
    p.drawPath(beak);
    // The olive twig in its beak.
    p.setPen(roundPen(QColor(90, 70, 30), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(4, 39), QPointF(8, 52));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 150, 60));
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(5 + i * 1, 42 + i * 3);
        p.rotate(i % 2 ? 40 : -40);
        p.drawEllipse(QPointF(i % 2 ? 2 : -2, 0), 2.4, 1);
        p.restore();
    }
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(36, 60), 11, 4);
}

void olderPersons(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(255, 230, 200), QColor(220, 160, 110));
    // A cup of tea with steam.
    QPainterPath cup;
    cup.moveTo(12, 40);
    cup.lineTo(38, 40);
    cup.cubicTo(38, 54, 32, 60, 25, 60);
    cup.cubicTo(18, 60, 12, 54, 12, 40);
    cup.closeSubpath();
    QLinearGradient china(12, 0, 38, 0);
    china.setColorAt(0, QColor(255, 255, 255));
    china.setColorAt(1, QColor(200, 205, 220));
    p.setPen(QPen(QColor(150, 80, 40), 0.5));
    p.setBrush(QColor(245, 235, 225));
    p.drawEllipse(QPointF(25, 61), 16, 3.5);
    fillOutlined(p, cup, china, QColor(110, 110, 140), 0.6);
    p.setPen(QPen(QColor(110, 110, 140), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(34, 43, 10, 9), -90 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 90, 40));
    p.drawEllipse(QPointF(25, 40.5), 12.5, 2);
    p.setBrush(QColor(200, 60, 70));
    p.drawPath(heartPath(QPointF(25, 50), 3.5));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (double x : {20.0, 26.0, 32.0}) {
        QPainterPath steam;
        steam.moveTo(x, 37);
        steam.cubicTo(x - 3, 33, x + 3, 30, x, 25);
        p.drawPath(steam);
    }
    // Round spectacles above.
    p.setPen(QPen(QColor(90, 60, 30), 1.2));
    p.setBrush(QColor(200, 230, 255, 120));
    p.drawEllipse(QPointF(18, 14), 6, 5.5);
    p.drawEllipse(QPointF(36, 14), 6, 5.5);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(23, 11, 8, 6), 20 * 16, 140 * 16);
    p.drawLine(QPointF(12, 13), QPointF(7, 10));
    p.drawLine(QPointF(42, 13), QPointF(47, 10));
}

void teacher(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(200, 150, 100), QColor(130, 80, 40));
    p.setPen(QPen(QColor(90, 55, 25), 1.2));
    p.setBrush(QColor(40, 90, 60));
    p.drawRect(QRectF(5, 7, 44, 34));
    p.setPen(QPen(QColor(240, 240, 230), 1.0, Qt::SolidLine, Qt::RoundCap));
    QFont chalk(QStringLiteral("DejaVu Sans"));
    chalk.setPixelSize(11);
    chalk.setBold(true);
    QPainterPath letters;
    letters.addText(0, 0, chalk, QStringLiteral("ABC"));
    QRectF b = letters.boundingRect();
    letters.translate(27 - b.center().x(), 18 - b.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 245, 235));
    p.drawPath(letters);
    QPainterPath sum;
    sum.addText(0, 0, chalk, QStringLiteral("2+2=4"));
    b = sum.boundingRect();
    sum.translate(27 - b.center().x(), 32 - b.center().y());
    p.setBrush(QColor(250, 230, 140));
    p.drawPath(sum);
    // Chalk ledge and an apple on the desk.
    p.fillRect(QRectF(5, 41, 44, 2), QColor(110, 70, 35));
    p.fillRect(QRectF(33, 40, 6, 1.6), Qt::white);
    QPainterPath apple;
    apple.addEllipse(QPointF(23, 56), 6.5, 6);
    apple.addEllipse(QPointF(31, 56), 6.5, 6);
    QRadialGradient red(QPointF(24, 53), 9);
    red.setColorAt(0, QColor(255, 110, 90));
    red.setColorAt(1, QColor(190, 20, 20));
    fillOutlined(p, apple.simplified(), red, QColor(110, 10, 10), 0.6);
    p.setPen(roundPen(QColor(90, 55, 25), 1.2));
    p.drawLine(QPointF(27, 51), QPointF(28.5, 46.5));
    QPainterPath leaf;
    leaf.moveTo(28.5, 48);
    leaf.cubicTo(31, 45, 35, 45, 36, 47);
    leaf.cubicTo(33, 49.5, 30, 49.5, 28.5, 48);
    fillOutlined(p, leaf, QColor(70, 160, 60), QColor(30, 90, 30), 0.4);
}

void pumpkin(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(70, 30, 100), QColor(20, 5, 35));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 210));
    p.drawEllipse(QPointF(41, 13), 7, 7);
    p.setBrush(QColor(70, 30, 100));
    p.drawEllipse(QPointF(44, 11), 6, 6);
    // Bats.
    p.setBrush(QColor(10, 5, 15));
    for (QPointF c : {QPointF(14, 12), QPointF(24, 18)}) {
        QPainterPath bat;
        bat.moveTo(c);
        bat.cubicTo(c + QPointF(-2, -3), c + QPointF(-5, -2), c + QPointF(-7, -1));
        bat.cubicTo(c + QPointF(-5, 0), c + QPointF(-4, 1), c + QPointF(-3, 2));
        bat.cubicTo(c + QPointF(-2, 1), c + QPointF(-1, 1), c);
        bat.cubicTo(c + QPointF(1, 1), c + QPointF(2, 1), c + QPointF(3, 2));
        bat.cubicTo(c + QPointF(4, 1), c + QPointF(5, 0), c + QPointF(7, -1));
        bat.cubicTo(c + QPointF(5, -2), c + QPointF(2, -3), c);
        p.drawPath(bat);
    }
    // The pumpkin: ribs, stalk, carved face glowing from inside.
    const QPointF c(27, 46);
    const double ribs[][2] = {{-10, 9}, {10, 9}, {-5, 10}, {5, 10}, {0, 11}};
    for (const auto &r : ribs) {
        QRadialGradient g(c + QPointF(r[0] - 2, -5), 16);
        g.setColorAt(0, QColor(255, 170, 50));
        g.setColorAt(1, QColor(210, 90, 10));
        p.setPen(QPen(QColor(140, 50, 0), 0.6));
        p.setBrush(g);
        p.drawEllipse(c + QPointF(r[0], 0), r[1], 14);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 110, 30));
    p.drawRect(QRectF(25.5, 29, 3, 5));
    QColor glow(255, 230, 80);
    p.setBrush(glow);
    QPainterPath face;
    face.moveTo(17, 42);
    face.lineTo(23, 42);
    face.lineTo(20, 37);
    face.closeSubpath();
    face.moveTo(31, 42);
    face.lineTo(37, 42);
    face.lineTo(34, 37);
    face.closeSubpath();
    face.moveTo(25.5, 47);
    face.lineTo(28.5, 47);
    face.lineTo(27, 44);
    face.closeSubpath();
    face.moveTo(15, 50);
    face.quadTo(27, 62, 39, 50);
    face.lineTo(35, 52);
    face.lineTo(33, 50.5);
    face.lineTo(31, 53);
    face.lineTo(27, 51);
    face.lineTo(23, 53);
    face.lineTo(21, 50.5);
    face.lineTo(19, 52);
    face.closeSubpath();
    p.drawPath(face);
}

void turkey(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(255, 220, 150), QColor(220, 140, 60));
    // The fan of tail feathers.
    const QColor feathers[] = {QColor(200, 60, 30), QColor(240, 150, 40), QColor(150, 80, 30),
                               QColor(250, 200, 70)};
    for (int i = 0; i < 9; ++i) {
        p.save();
        p.translate(27, 40);
        p.rotate(-80 + i * 20);
        QPainterPath f;
        f.moveTo(0, 0);
        f.cubicTo(-6, -8, -5, -22, 0, -25);
        f.cubicTo(5, -22, 6, -8, 0, 0);
        fillOutlined(p, f, feathers[i % 4], feathers[i % 4].darker(150), 0.5);
        p.setPen(QPen(QColor(255, 255, 255, 110), 0.4));
        p.drawLine(QPointF(0, -3), QPointF(0, -22));
        p.restore();
    }
    // Body, head, beak and wattle.
    QRadialGradient body(QPointF(25, 42), 12);
    body.setColorAt(0, QColor(170, 110, 60));
    body.setColorAt(1, QColor(100, 55, 25));
    p.setPen(QPen(QColor(60, 30, 10), 0.6));
    p.setBrush(body);
    p.drawEllipse(QPointF(27, 46), 10, 11);
    p.drawEllipse(QPointF(27, 32), 5.5, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(25, 30.5), 1.6, 1.6);
    p.drawEllipse(QPointF(29, 30.5), 1.6, 1.6);
    p.setBrush(ink);
    p.drawEllipse(QPointF(25.3, 30.8), 0.8, 0.8);
    p.drawEllipse(QPointF(29.3, 30.8), 0.8, 0.8);
    QPainterPath beak;
    beak.moveTo(25.5, 33.5);
    beak.lineTo(28.5, 33.5);
    beak.lineTo(27, 36);
    beak.closeSubpath();
    p.setBrush(QColor(250, 190, 40));
    p.drawPath(beak);
    p.setBrush(QColor(220, 30, 40));
    p.drawEllipse(QPointF(28.6, 37.5), 1.3, 2.6);
    p.setPen(roundPen(QColor(230, 150, 30), 1.2));
    p.drawLine(QPointF(23, 56), QPointF(22, 63));
    p.drawLine(QPointF(31, 56), QPointF(32, 63));
}

QPainterPath eggPath(QPointF c, double w, double h) {
    QPainterPath e;
    e.moveTo(c.x(), c.y() - h);
    e.cubicTo(c.x() + w * 0.9, c.y() - h, c.x() + w, c.y() + h * 0.3, c.x() + w, c.y() + h * 0.3);
    e.cubicTo(c.x() + w, c.y() + h * 0.85, c.x() + w * 0.5, c.y() + h, c.x(), c.y() + h);
    e.cubicTo(c.x() - w * 0.5, c.y() + h, c.x() - w, c.y() + h * 0.85, c.x() - w, c.y() + h * 0.3);
    e.cubicTo(c.x() - w, c.y() + h * 0.3, c.x() - w * 0.9, c.y() - h, c.x(), c.y() - h);
    e.closeSubpath();
    return e;
}

void easter(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(220, 250, 210), QColor(140, 210, 120));
    // A willow twig with catkins.
    p.setPen(roundPen(QColor(120, 70, 40), 1.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath twig;
    twig.moveTo(8, 8);
    twig.cubicTo(20, 16, 30, 14, 46, 8);
    p.drawPath(twig);
    p.setPen(QPen(QColor(180, 180, 180), 0.4));
    p.setBrush(QColor(245, 245, 240));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(12 + i * 7.5, 13.5 - (i == 2 ? 0.5 : 0) + (i % 2) * 0.8), 1.8, 2.6);
    // Green grass and two painted eggs.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 170, 70));
    p.drawEllipse(QPointF(27, 62), 24, 6);
    const struct {
        QPointF c;
        double w, h;
        QColor base, pattern;
    } eggs[] = {{QPointF(19, 44), 10, 15, QColor(210, 30, 40), QColor(255, 220, 90)},
                {QPointF(36, 48), 8.5, 12.5, QColor(60, 110, 220), QColor(255, 255, 255)}};
    for (const auto &e : eggs) {
        const QPainterPath shape = eggPath(e.c, e.w, e.h);
        QRadialGradient g(e.c - QPointF(e.w * 0.35, e.h * 0.4), e.h * 1.3);
        g.setColorAt(0, e.base.lighter(160));
        g.setColorAt(1, e.base);
        fillOutlined(p, shape, g, e.base.darker(170), 0.5);
        p.save();
        p.setClipPath(shape);
        p.setPen(QPen(e.pattern, 1.1));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(e.c.x() - e.w, e.c.y() - 1), QPointF(e.c.x() + e.w, e.c.y() - 1));
        p.drawLine(QPointF(e.c.x() - e.w, e.c.y() + 4), QPointF(e.c.x() + e.w, e.c.y() + 4));
        QPainterPath zigzag;
        zigzag.moveTo(e.c.x() - e.w, e.c.y() + 1.5);
        for (int i = 1; i <= 8; ++i)
            zigzag.lineTo(e.c.x() - e.w + i * e.w / 4, e.c.y() + (i % 2 ? -0.2 : 3.2));
        p.setPen(QPen(e.pattern, 0.6));
        p.drawPath(zigzag);
        p.setPen(Qt::NoPen);
        p.setBrush(e.pattern);
        p.drawPath(star(QPointF(e.c.x(), e.c.y() - e.h * 0.5), 2.6, 1.1, 6));
        p.restore();
    }
}

QPainterPath orthodoxCross(QPointF c, double s) {
    QPainterPath cross;
    const double t = s * 0.12;
    cross.addRect(QRectF(c.x() - t / 2, c.y() - s, t, s * 2));                     // upright
    cross.addRect(QRectF(c.x() - s * 0.28, c.y() - s * 0.78, s * 0.56, t * 0.85)); // title board
    cross.addRect(QRectF(c.x() - s * 0.55, c.y() - s * 0.48, s * 1.1, t));         // arms
    QPainterPath foot; // the slanted footrest
    foot.moveTo(c.x() - s * 0.36, c.y() + s * 0.42);
    foot.lineTo(c.x() + s * 0.36, c.y() + s * 0.62);
    foot.lineTo(c.x() + s * 0.36, c.y() + s * 0.62 + t);
    foot.lineTo(c.x() - s * 0.36, c.y() + s * 0.42 + t);
    foot.closeSubpath();
    cross.addPath(foot);
    cross.setFillRule(Qt::WindingFill);
    return cross.simplified();
}

QPainterPath latinCross(QPointF c, double s) {
    QPainterPath cross;
    const double t = s * 0.16;
    cross.addRect(QRectF(c.x() - t / 2, c.y() - s, t, s * 2));
    cross.addRect(QRectF(c.x() - s * 0.55, c.y() - s * 0.5, s * 1.1, t));
    cross.setFillRule(Qt::WindingFill);
    return cross.simplified();
}

void goldCross(QPainter &p, const QPainterPath &cross, QPointF halo, double haloRadius) {
    QRadialGradient light(halo, haloRadius);
    light.setColorAt(0, QColor(255, 250, 200, 230));
    light.setColorAt(1, QColor(255, 220, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(halo, haloRadius, haloRadius);
    const QRectF b = cross.boundingRect();
    QLinearGradient gold(b.topLeft(), b.bottomRight());
    gold.setColorAt(0, QColor(255, 240, 160));
    gold.setColorAt(0.5, QColor(230, 175, 50));
    gold.setColorAt(1, QColor(160, 100, 20));
    fillOutlined(p, cross, gold, QColor(110, 70, 10), 0.6);
}

void orthodoxFeast(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(60, 90, 170), QColor(15, 25, 80));
    // A church dome silhouette at the foot.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 15, 50, 200));
    QPainterPath church;
    church.addRect(QRectF(8, 56, 38, 12));
    church.moveTo(18, 56);
    church.cubicTo(18, 48, 27, 46, 27, 42);
    church.cubicTo(27, 46, 36, 48, 36, 56);
    church.closeSubpath();
    p.drawPath(church);
    goldCross(p, orthodoxCross(QPointF(27, 28), 19), QPointF(27, 20), 20);
}

void catholicFeast(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(170, 40, 70), QColor(70, 10, 35));
    // Rays from behind the cross.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 24; ++i) {
        const double a = qDegreesToRadians(15.0 * i);
        QPainterPath ray;
        ray.moveTo(27, 26);
        ray.lineTo(27 + 40 * qCos(a - 0.05), 26 + 40 * qSin(a - 0.05));
        ray.lineTo(27 + 40 * qCos(a + 0.05), 26 + 40 * qSin(a + 0.05));
        ray.closeSubpath();
        p.setBrush(QColor(255, 220, 150, i % 2 ? 40 : 80));
        p.drawPath(ray);
    }
    goldCross(p, latinCross(QPointF(27, 34), 24), QPointF(27, 26), 14);
}

void christmas(QPainter &p) {
    panel(p, QSize(int(W), int(H)), QColor(25, 40, 100), QColor(5, 10, 40));
    snowflakes(p, 18, 3);
    // The star of Bethlehem with its glow and tail.
    const QPointF c(27, 17);
    QRadialGradient glow(c, 16);
    glow.setColorAt(0, QColor(255, 250, 210, 220));
    glow.setColorAt(1, QColor(255, 240, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 16, 16);
    QPainterPath tail;
    tail.moveTo(c + QPointF(-1.2, 0));
    tail.lineTo(QPointF(27, 48));
    tail.lineTo(c + QPointF(1.2, 0));
    tail.closeSubpath();
    QLinearGradient fade(c, QPointF(27, 48));
    fade.setColorAt(0, QColor(255, 250, 220, 230));
    fade.setColorAt(1, QColor(255, 250, 220, 0));
    p.setBrush(fade);
    p.drawPath(tail);
    fillOutlined(p, star(c, 11, 2.2, 4), QColor(255, 245, 190), QColor(220, 180, 60), 0.4);
    fillOutlined(p, star(c, 6, 1.6, 4, -45), QColor(255, 250, 220), QColor(220, 180, 60), 0.3);
    // A stable under the star.
    QPainterPath stable;
    stable.moveTo(12, 66);
    stable.lineTo(12, 54);
    stable.lineTo(27, 44);
    stable.lineTo(42, 54);
    stable.lineTo(42, 66);
    stable.closeSubpath();
    fillOutlined(p, stable, QColor(40, 25, 20), QColor(20, 10, 5), 0.5);
    QRadialGradient inside(QPointF(27, 62), 8);
    inside.setColorAt(0, QColor(255, 220, 120));
    inside.setColorAt(1, QColor(200, 120, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(inside);
    p.drawRect(QRectF(21, 56, 12, 10));
    p.setPen(QPen(QColor(200, 150, 60), 0.8));
    p.drawLine(QPointF(10, 55), QPointF(27, 43.5));
    p.drawLine(QPointF(27, 43.5), QPointF(44, 55));
}

struct HolidayPicture {
    const char *name;
    std::function<void(QPainter &)> draw;
};

} // namespace

void addHolidayPictures(Output &out) {
    const auto flagOf = [](void (*field)(QPainter &, const QRectF &)) {
        return [field](QPainter &p) { flag(p, field); };
    };
    const HolidayPicture pictures[] = {
        {"R_NEWYEAR", newYear},
        {"R_USAFLAG", flagOf(usa)},
        {"R_RUSZNAN", knowledge},
        {"R_RUSORDN", order},
        {"R_RUSFLAG", flagOf(russia)},
        {"R_LOVE000", love},
        {"R_RUSGEOR", georgeRibbon},
        {"R_8MARCH0", womensDay},
        {"R_USAPATR", shamrock},
        {"R_1April0", aprilFool},
        {"R_1May000", mayDay},
        {"R_ISPFLAG", flagOf(spain)},
        {"R_FRAFLAG", flagOf(france)},
        {"R_BABY000", children},
        {"R_FRAMUS0", musicDay},
        {"R_USA4JUL", fireworks},
        {"R_USAELVI", guitar},
        {"R_ALLPROG", programmer},
        {"R_WAR0000", peace},
        {"R_OLD0000", olderPersons},
        {"R_DEUFLAG", flagOf(germany)},
        {"R_TEACHER", teacher},
        {"R_ENGFLAG", flagOf(unionJack)},
        {"R_HALLO00", pumpkin},
        {"R_USABLAG", turkey},
        {"R_PASHA00", easter},
        {"R_PRAKRES", orthodoxFeast},
        {"R_KATKRES", catholicFeast},
        {"R_ROGDEST", christmas},
    };
    const QSize size{int(W), int(H)};
    for (const HolidayPicture &picture : pictures)
        out.add(QStringLiteral("png"), QString::fromLatin1(picture.name),
                drawn(size, picture.draw));
}

} // namespace calendar_art
