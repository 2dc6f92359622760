#include "Emblems.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>

#include <cmath>
#include <initializer_list>

namespace emblems {
namespace {

using Points = std::initializer_list<QPointF>;

QPainterPath polygon(Points points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry, qreal degrees = 0) {
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    return t.map(path);
}

// A line or curve turned into a filled band of the given width.
QPainterPath stroke(const QPainterPath &line, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

QPainterPath line(Points points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF &point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    return path;
}

QPainterPath curve(QPointF from, QPointF c1, QPointF c2, QPointF to) {
    QPainterPath path(from);
    path.cubicTo(c1, c2, to);
    return path;
}

// The union of shapes; each keeps its own holes.
QPainterPath unite(std::initializer_list<QPainterPath> parts) {
    QPainterPath all;
    for (const QPainterPath &part : parts)
        all = all.isEmpty() ? part.simplified() : all.united(part);
    return all;
}

QPainterPath cat() {
    return unite({ellipse({46, 68}, 20, 24), ellipse({46, 36}, 14, 12.5),
                  polygon({{34, 32}, {33, 15}, {43, 26}}), polygon({{58, 32}, {59, 15}, {49, 26}}),
                  stroke(curve({62, 86}, {86, 90}, {90, 64}, {78, 50}), 6), ellipse({38, 90}, 7, 4),
                  ellipse({54, 90}, 7, 4)});
}

QPainterPath horse() {
    // Standing, facing right: barrel, croup and chest, an arched neck, a
    // long tapering head, mane, tail and four legs with hooves.
    QPainterPath neck;
    neck.moveTo(58, 46);
    neck.cubicTo(60, 34, 64, 24, 72, 18);
    neck.lineTo(78, 22);
    neck.cubicTo(74, 30, 72, 42, 70, 54);
    neck.closeSubpath();
    QPainterPath head;
    head.moveTo(71, 17);
    head.cubicTo(76, 14, 80, 16, 84, 22);
    head.lineTo(91, 32);
    head.cubicTo(92, 36, 88, 38, 85, 36);
    head.lineTo(77, 30);
    head.closeSubpath();
    QPainterPath legs;
    for (const qreal x : {28.0, 36.0, 62.0, 69.0})
        legs.addPath(stroke(line({{x, 56}, {x + (x < 50 ? -1 : 1), 74}, {x, 86}}), 5));
    QPainterPath hooves;
    for (const qreal x : {28.0, 36.0, 62.0, 69.0})
        hooves.addRect(QRectF(x - 3.2, 85, 6.4, 4));
    return unite({ellipse({47, 50}, 22, 11), ellipse({29, 49}, 11, 12), ellipse({63, 50}, 9, 10),
                  neck, head, polygon({{72, 18}, {73, 9}, {77, 17}}),
                  stroke(curve({72, 17}, {64, 22}, {60, 32}, {58, 42}), 4.5),
                  stroke(curve({19, 44}, {10, 50}, {9, 64}, {13, 78}), 5.5), legs.simplified(),
                  hooves.simplified()});
}

QPainterPath deer() {
    return unite(
        {ellipse({46, 60}, 24, 11), polygon({{60, 56}, {64, 36}, {72, 34}, {70, 56}}),
         ellipse({72, 32}, 8, 5, 20), stroke(line({{30, 66}, {29, 90}}), 4),
         stroke(line({{36, 67}, {37, 90}}), 4), stroke(line({{58, 66}, {58, 90}}), 4),
         stroke(line({{64, 64}, {66, 90}}), 4), stroke(line({{68, 28}, {62, 16}, {56, 10}}), 2.5),
         stroke(line({{62, 16}, {66, 8}}), 2.5), stroke(line({{72, 27}, {76, 14}, {84, 8}}), 2.5),
         stroke(line({{76, 15}, {72, 6}}), 2.5), polygon({{66, 30}, {63, 24}, {68, 27}}),
         ellipse({23, 55}, 3, 4)});
}

QPainterPath swallow() {
    // Flying to the right, wings spread up and down, a forked tail.
    QPainterPath upper;
    upper.moveTo(40, 46);
    upper.cubicTo(36, 30, 24, 16, 6, 8);
    upper.cubicTo(20, 24, 34, 40, 54, 50);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(44, 54);
    lower.cubicTo(40, 68, 30, 82, 14, 92);
    lower.cubicTo(34, 84, 50, 70, 58, 54);
    lower.closeSubpath();
    return unite({ellipse({56, 50}, 20, 8, -8), ellipse({74, 45}, 8, 7), upper, lower,
                  polygon({{38, 50}, {8, 50}, {30, 56}, {10, 64}, {42, 56}}),
                  polygon({{80, 43}, {90, 45}, {80, 48}})});
}

QPainterPath fish() {
    QPainterPath body;
    body.moveTo(14, 50);
    body.cubicTo(30, 24, 62, 24, 76, 50);
    body.cubicTo(62, 76, 30, 76, 14, 50);
    body.closeSubpath();
    QPainterPath eye = ellipse({26, 47}, 3, 3);
    QPainterPath all =
        unite({body, polygon({{72, 50}, {92, 32}, {86, 50}, {92, 68}}),
               polygon({{40, 30}, {52, 18}, {58, 32}}), polygon({{42, 70}, {50, 80}, {54, 68}})});
    return all.subtracted(eye);
}

QPainterPath box(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

QPainterPath roundedBox(qreal x, qreal y, qreal w, qreal h, qreal r) {
    QPainterPath path;
    path.addRoundedRect(x, y, w, h, r, r);
    return path;
}

QPainterPath elephant() {
    QPainterPath all = unite(
        {ellipse({54, 52}, 28, 20), ellipse({28, 42}, 13, 13), ellipse({38, 42}, 11, 16),
         stroke(curve({19, 46}, {10, 60}, {12, 76}, {20, 82}), 7), roundedBox(32, 60, 9, 30, 3),
         roundedBox(44, 62, 9, 28, 3), roundedBox(62, 62, 9, 28, 3), roundedBox(72, 60, 9, 30, 3),
         stroke(line({{82, 50}, {88, 62}}), 2.5)});
    return all.subtracted(ellipse({25, 40}, 2, 2));
}

QPainterPath rabbit() {
    return unite({ellipse({52, 68}, 22, 18), ellipse({34, 50}, 11, 10),
                  ellipse({30, 26}, 4.5, 16, -12), ellipse({40, 26}, 4.5, 16, 10),
                  ellipse({76, 66}, 6, 6), ellipse({40, 84}, 10, 4), ellipse({64, 86}, 12, 4)});
}

QPainterPath owl() {
    QPainterPath body;
    body.moveTo(50, 20);
    body.cubicTo(74, 20, 80, 50, 74, 72);
    body.cubicTo(70, 88, 30, 88, 26, 72);
    body.cubicTo(20, 50, 26, 20, 50, 20);
    body.closeSubpath();
    QPainterPath all =
        unite({body, polygon({{28, 28}, {30, 10}, {40, 22}}),
               polygon({{72, 28}, {70, 10}, {60, 22}}), stroke(line({{22, 90}, {78, 90}}), 4)});
    QPainterPath eyes = unite({ellipse({40, 38}, 8, 8), ellipse({60, 38}, 8, 8)});
    QPainterPath pupils = unite({ellipse({40, 38}, 3.5, 3.5), ellipse({60, 38}, 3.5, 3.5)});
    return all.subtracted(eyes).united(pupils).subtracted(polygon({{47, 46}, {53, 46}, {50, 54}}));
}

QPainterPath butterfly() {
    return unite({ellipse({34, 36}, 18, 14, -30), ellipse({66, 36}, 18, 14, 30),
                  ellipse({38, 64}, 12, 10, 30), ellipse({62, 64}, 12, 10, -30),
                  ellipse({50, 52}, 3.5, 22),
                  stroke(curve({48, 32}, {44, 22}, {40, 16}, {34, 14}), 2),
                  stroke(curve({52, 32}, {56, 22}, {60, 16}, {66, 14}), 2)})
        .subtracted(unite({ellipse({32, 34}, 5, 5), ellipse({68, 34}, 5, 5),
                           ellipse({40, 66}, 3, 3), ellipse({60, 66}, 3, 3)}));
}

QPainterPath turtle() {
    QPainterPath shell;
    shell.moveTo(22, 66);
    shell.cubicTo(24, 30, 76, 30, 78, 66);
    shell.closeSubpath();
    QPainterPath plates = unite(
        {stroke(
             line({{38, 44}, {50, 40}, {62, 44}, {66, 56}, {56, 64}, {44, 64}, {34, 56}, {38, 44}}),
             2.2),
         stroke(line({{50, 40}, {50, 34}}), 2), stroke(line({{34, 56}, {24, 62}}), 2),
         stroke(line({{66, 56}, {76, 62}}), 2)});
    return unite({shell.subtracted(plates), ellipse({86, 62}, 8, 6), roundedBox(26, 64, 10, 16, 4),
                  roundedBox(62, 64, 10, 16, 4), polygon({{20, 64}, {10, 68}, {20, 68}}),
                  box(18, 64, 64, 4)});
}

QPainterPath sun() {
    QPainterPath rays;
    rays.setFillRule(Qt::WindingFill);
    for (int i = 0; i < 16; ++i) {
        const qreal a = M_PI * i / 8;
        const qreal outer = i % 2 ? 36 : 46;
        const QPointF tip(50 + std::cos(a) * outer, 50 + std::sin(a) * outer);
        const QPointF left(50 + std::cos(a - 0.18) * 24, 50 + std::sin(a - 0.18) * 24);
        const QPointF right(50 + std::cos(a + 0.18) * 24, 50 + std::sin(a + 0.18) * 24);
        rays.addPath(polygon({left, tip, right}));
    }
    rays.addEllipse(QPointF(50, 50), 24, 24);
    return rays.simplified()
        .subtracted(ellipse({50, 50}, 19, 19))
        .united(ellipse({50, 50}, 15, 15));
}

QPainterPath starShape(QPointF c, qreal outer, qreal inner, int points) {
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal a = M_PI * i / points - M_PI / 2;
        const qreal radius = i % 2 ? inner : outer;
        poly << c + QPointF(std::cos(a) * radius, std::sin(a) * radius);
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath moon() {
    QPainterPath crescent = ellipse({44, 52}, 32, 32).subtracted(ellipse({58, 44}, 28, 28));
    return unite({crescent, starShape({72, 24}, 9, 3.6, 5), starShape({82, 56}, 6, 2.4, 5),
                  starShape({64, 80}, 5, 2, 5)});
}

QPainterPath anchor() {
    return unite({ellipse({50, 14}, 8, 8).subtracted(ellipse({50, 14}, 4, 4)), box(46.5, 21, 7, 62),
                  box(30, 30, 40, 6), stroke(curve({16, 60}, {20, 84}, {40, 90}, {50, 90}), 6.5),
                  stroke(curve({84, 60}, {80, 84}, {60, 90}, {50, 90}), 6.5),
                  polygon({{10, 64}, {16, 52}, {24, 64}}),
                  polygon({{90, 64}, {84, 52}, {76, 64}})});
}

QPainterPath crown() {
    QPainterPath body = polygon(
        {{14, 74}, {10, 30}, {30, 52}, {40, 22}, {50, 48}, {60, 22}, {70, 52}, {90, 30}, {86, 74}});
    QPainterPath jewels =
        unite({ellipse({10, 28}, 5, 5), ellipse({40, 20}, 5, 5), ellipse({60, 20}, 5, 5),
               ellipse({90, 28}, 5, 5), ellipse({50, 12}, 5, 5)});
    QPainterPath band = roundedBox(12, 76, 76, 12, 3);
    QPainterPath holes =
        unite({ellipse({32, 66}, 4, 4), ellipse({50, 64}, 5, 5), ellipse({68, 66}, 4, 4)});
    return unite({body.subtracted(holes), jewels,
                  band.subtracted(unite({ellipse({30, 82}, 2.5, 2.5), ellipse({50, 82}, 2.5, 2.5),
                                         ellipse({70, 82}, 2.5, 2.5)}))});
}

QPainterPath key() {
    QPainterPath bow = ellipse({26, 50}, 18, 18)
                           .subtracted(unite({ellipse({20, 50}, 5, 5), ellipse({32, 50}, 5, 5),
                                              ellipse({26, 43}, 5, 5), ellipse({26, 57}, 5, 5)}));
    return unite({bow, box(42, 46, 48, 8), box(76, 54, 6, 14), box(86, 54, 5, 10),
                  box(66, 54, 4, 8), ellipse({44, 50}, 5, 7)});
}

QPainterPath compass() {
    QPainterPath star = unite({starShape({50, 50}, 46, 9, 4)});
    QTransform t;
    t.translate(50, 50);
    t.rotate(45);
    t.translate(-50, -50);
    QPainterPath diagonal = t.map(starShape({50, 50}, 30, 7, 4));
    QPainterPath ring = ellipse({50, 50}, 26, 26).subtracted(ellipse({50, 50}, 22, 22));
    return unite({star, diagonal, ring}).subtracted(ellipse({50, 50}, 4, 4));
}

QPainterPath snowflake() {
    QPainterPath arms;
    for (int i = 0; i < 6; ++i) {
        QTransform t;
        t.translate(50, 50);
        t.rotate(60 * i);
        QPainterPath arm =
            unite({stroke(line({{0, 0}, {0, -44}}), 5), stroke(line({{0, -20}, {-12, -32}}), 4),
                   stroke(line({{0, -20}, {12, -32}}), 4), stroke(line({{0, -32}, {-8, -40}}), 3.5),
                   stroke(line({{0, -32}, {8, -40}}), 3.5)});
        arms.addPath(t.map(arm));
    }
    arms.setFillRule(Qt::WindingFill);
    return arms.simplified().united(starShape({50, 50}, 12, 7, 6));
}

QPainterPath clover() {
    QPainterPath leaves;
    leaves.setFillRule(Qt::WindingFill);
    for (int i = 0; i < 4; ++i) {
        QTransform t;
        t.translate(50, 46);
        t.rotate(90 * i + 45);
        QPainterPath heart;
        heart.moveTo(0, 0);
        heart.cubicTo(-8, -8, -20, -14, -16, -28);
        heart.cubicTo(-12, -36, -2, -34, 0, -26);
        heart.cubicTo(2, -34, 12, -36, 16, -28);
        heart.cubicTo(20, -14, 8, -8, 0, 0);
        heart.closeSubpath();
        leaves.addPath(t.map(heart));
    }
    leaves.addPath(stroke(curve({50, 50}, {52, 66}, {58, 80}, {68, 92}), 5));
    return leaves.simplified();
}

QPainterPath horseshoe() {
    QPainterPath shoe = stroke(curve({26, 88}, {6, 40}, {30, 12}, {50, 12}), 16)
                            .united(stroke(curve({74, 88}, {94, 40}, {70, 12}, {50, 12}), 16));
    QPainterPath nails;
    nails.setFillRule(Qt::WindingFill);
    for (const QPointF c : {QPointF(22, 70), QPointF(18, 50), QPointF(26, 30), QPointF(78, 70),
                            QPointF(82, 50), QPointF(74, 30)})
        nails.addEllipse(c, 2.5, 2.5);
    return shoe.simplified().subtracted(nails);
}

QPainterPath ship() {
    QPainterPath hull = polygon({{8, 66}, {92, 66}, {80, 82}, {20, 82}});
    return unite({hull, box(48, 12, 3, 56), box(26, 22, 3, 46), box(70, 26, 3, 42),
                  polygon({{52, 14}, {52, 60}, {68, 60}}), polygon({{47, 16}, {47, 60}, {30, 60}}),
                  polygon({{25, 26}, {25, 60}, {12, 60}}), polygon({{74, 28}, {74, 60}, {88, 60}}),
                  polygon({{51, 8}, {62, 11}, {51, 14}}),
                  stroke(curve({4, 90}, {20, 86}, {30, 94}, {50, 90}), 2.5),
                  stroke(curve({50, 90}, {70, 86}, {80, 94}, {96, 90}), 2.5)});
}

// Flowers: petals around a centre, stems and leaves.
const QColor leafGreen(0x3C, 0x8C, 0x3A);
const QColor stemGreen(0x2E, 0x6E, 0x2C);

void stem(QPainter &p, QPointF from, QPointF c1, QPointF c2, QPointF to, qreal width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(stemGreen, width, Qt::SolidLine, Qt::RoundCap));
    QPainterPath path(from);
    path.cubicTo(c1, c2, to);
    p.drawPath(path);
}

void leaf(QPainter &p, QPointF base, qreal length, qreal width, qreal degrees) {
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.quadTo(length / 2, -width, length, 0);
    shape.quadTo(length / 2, width, 0, 0);
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(degrees);
    QLinearGradient g(base, base + QPointF(std::cos(qDegreesToRadians(degrees)) * length,
                                           std::sin(qDegreesToRadians(degrees)) * length));
    g.setColorAt(0, stemGreen);
    g.setColorAt(1, leafGreen.lighter(120));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(t.map(shape));
}

void petals(QPainter &p, QPointF c, int count, qreal length, qreal width, qreal start,
            const QColor &inner, const QColor &outer, qreal offset = 0) {
    for (int i = 0; i < count; ++i) {
        const qreal degrees = start + 360.0 * i / count;
        QPainterPath shape = ellipse(QPointF(offset + length / 2, 0), length / 2, width / 2);
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(degrees);
        QRadialGradient g(c, offset + length);
        g.setColorAt(0, inner);
        g.setColorAt(1, outer);
        p.setPen(QPen(outer.darker(130), 0.5));
        p.setBrush(g);
        p.drawPath(t.map(shape));
    }
}

void dotCentre(QPainter &p, QPointF c, qreal radius, const QColor &colour) {
    QRadialGradient g(c - QPointF(radius / 3, radius / 3), radius * 1.3);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
}

void daisy(QPainter &p) {
    stem(p, {50, 48}, {48, 64}, {54, 80}, {50, 98}, 2.5);
    leaf(p, {51, 78}, 22, 6, -30);
    leaf(p, {50, 86}, 20, 5, 205);
    petals(p, {50, 40}, 18, 24, 7, 0, Qt::white, QColor(0xE8, 0xE8, 0xF0), 6);
    dotCentre(p, {50, 40}, 8, QColor(0xF2, 0xB8, 0x1C));
}

void tulip(QPainter &p) {
    stem(p, {50, 50}, {50, 70}, {50, 84}, {50, 98}, 3);
    leaf(p, {50, 96}, 40, 8, -70);
    leaf(p, {50, 96}, 36, 7, 250);
    const QColor red(0xD8, 0x22, 0x3A);
    QPainterPath cup;
    cup.moveTo(32, 22);
    cup.cubicTo(30, 46, 38, 56, 50, 56);
    cup.cubicTo(62, 56, 70, 46, 68, 22);
    cup.lineTo(59, 32);
    cup.lineTo(50, 16);
    cup.lineTo(41, 32);
    cup.closeSubpath();
    QLinearGradient g(32, 20, 68, 56);
    g.setColorAt(0, red.lighter(140));
    g.setColorAt(1, red.darker(130));
    p.setPen(QPen(red.darker(160), 0.8));
    p.setBrush(g);
    p.drawPath(cup);
    p.setPen(QPen(red.darker(150), 0.8));
    p.drawLine(QPointF(50, 20), QPointF(50, 52));
}

void rose(QPainter &p) {
    stem(p, {50, 54}, {46, 70}, {54, 84}, {50, 98}, 2.5);
    leaf(p, {50, 72}, 20, 7, -25);
    leaf(p, {51, 82}, 20, 7, 200);
    const QColor red(0xC0, 0x10, 0x30);
    p.setPen(QPen(red.darker(170), 0.8));
    for (int ring = 0; ring < 4; ++ring) {
        const qreal r = 24 - ring * 5.5;
        for (int i = 0; i < 5; ++i) {
            const qreal a = 2 * M_PI * i / 5 + ring * 0.6;
            const QPointF c(50 + std::cos(a) * r * 0.45, 36 + std::sin(a) * r * 0.45);
            p.setBrush(ring % 2 ? red.darker(110 + ring * 10) : red.lighter(110 + (3 - ring) * 8));
            p.drawEllipse(c, r * 0.6, r * 0.55);
        }
    }
    p.setBrush(red.darker(170));
    p.drawEllipse(QPointF(50, 36), 3, 3);
}

void sunflower(QPainter &p) {
    stem(p, {50, 56}, {52, 72}, {48, 86}, {50, 98}, 3.5);
    leaf(p, {51, 74}, 24, 9, -20);
    leaf(p, {49, 86}, 22, 8, 200);
    petals(p, {50, 38}, 22, 20, 6.5, 8, QColor(0xFF, 0xD4, 0x20), QColor(0xE8, 0x9A, 0x08), 10);
    dotCentre(p, {50, 38}, 13, QColor(0x6B, 0x3A, 0x12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3A, 0x20, 0x08, 150));
    for (int i = 0; i < 40; ++i) {
        const qreal r = 11 * std::sqrt((i + 0.5) / 40.0);
        const qreal a = i * 2.39996;
        p.drawEllipse(QPointF(50 + std::cos(a) * r, 38 + std::sin(a) * r), 0.9, 0.9);
    }
}

void lily(QPainter &p) {
    stem(p, {50, 52}, {52, 70}, {46, 86}, {50, 98}, 2.5);
    leaf(p, {49, 90}, 30, 6, -60);
    leaf(p, {50, 90}, 30, 6, 240);
    petals(p, {50, 36}, 6, 32, 11, -90, QColor(0xFF, 0xF0, 0xF4), QColor(0xF0, 0x80, 0xA8));
    p.setPen(QPen(QColor(0x5A, 0x8A, 0x20), 1));
    for (int i = 0; i < 6; ++i) {
        const qreal a = 2 * M_PI * i / 6 - M_PI / 2 + 0.5;
        const QPointF tip(50 + std::cos(a) * 12, 36 + std::sin(a) * 12);
        p.drawLine(QPointF(50, 36), tip);
        p.setBrush(QColor(0xA0, 0x40, 0x10));
        p.drawEllipse(tip, 1.6, 1.6);
    }
}

void poppy(QPainter &p) {
    stem(p, {50, 50}, {44, 66}, {56, 82}, {50, 98}, 2.2);
    leaf(p, {49, 84}, 20, 5, 210);
    petals(p, {50, 36}, 4, 30, 30, 45, QColor(0xFF, 0x50, 0x30), QColor(0xC8, 0x14, 0x10));
    dotCentre(p, {50, 36}, 7, QColor(0x20, 0x18, 0x18));
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
    for (int i = 0; i < 10; ++i) {
        const qreal a = 2 * M_PI * i / 10;
        p.drawLine(QPointF(50 + std::cos(a) * 7, 36 + std::sin(a) * 7),
                   QPointF(50 + std::cos(a) * 11, 36 + std::sin(a) * 11));
    }
}

void bluebells(QPainter &p) {
    stem(p, {50, 98}, {50, 60}, {56, 20}, {78, 14}, 2.2);
    leaf(p, {50, 96}, 40, 7, -80);
    leaf(p, {50, 96}, 36, 6, 255);
    const QColor blue(0x48, 0x58, 0xD0);
    const QPointF at[4] = {{56, 24}, {52, 40}, {51, 56}, {66, 17}};
    for (const QPointF &top : at) {
        p.setPen(QPen(stemGreen, 1.4));
        p.drawLine(top, top + QPointF(-6, 6));
        const QPointF c = top + QPointF(-8, 12);
        QPainterPath bell;
        bell.moveTo(c + QPointF(-5, -6));
        bell.cubicTo(c + QPointF(-6, 2), c + QPointF(-9, 6), c + QPointF(-8, 8));
        bell.lineTo(c + QPointF(8, 8));
        bell.cubicTo(c + QPointF(9, 6), c + QPointF(6, 2), c + QPointF(5, -6));
        bell.closeSubpath();
        QLinearGradient g(c + QPointF(-8, 0), c + QPointF(8, 0));
        g.setColorAt(0, blue.lighter(150));
        g.setColorAt(1, blue.darker(120));
        p.setPen(QPen(blue.darker(150), 0.6));
        p.setBrush(g);
        p.drawPath(bell);
    }
}

void lotus(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2A, 0x7A, 0x5A));
    p.drawEllipse(QPointF(50, 78), 40, 9);
    const QColor pink(0xF0, 0x80, 0xB0);
    for (int i = -3; i <= 3; ++i) {
        QPainterPath petal;
        petal.moveTo(50, 70);
        petal.cubicTo(50 + i * 6 - 10, 60 - (3 - std::abs(i)) * 6, 50 + i * 9 - 2,
                      40 - (3 - std::abs(i)) * 6, 50 + i * 10, 34 - (3 - std::abs(i)) * 6);
        petal.cubicTo(50 + i * 9 + 8, 44 - (3 - std::abs(i)) * 6, 50 + i * 6 + 10,
                      60 - (3 - std::abs(i)) * 6, 50, 70);
        QLinearGradient g(50, 70, 50 + i * 10, 20);
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, std::abs(i) == 3 ? pink.darker(115) : pink);
        p.setPen(QPen(pink.darker(150), 0.7));
        p.setBrush(g);
        p.drawPath(petal);
    }
}

void blossom(QPainter &p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5A, 0x38, 0x22), 4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath branch(QPointF(8, 92));
    branch.cubicTo(30, 70, 50, 62, 92, 18);
    p.drawPath(branch);
    p.setPen(QPen(QColor(0x5A, 0x38, 0x22), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 62), QPointF(30, 34));
    leaf(p, {70, 40}, 14, 5, 20);
    leaf(p, {24, 80}, 12, 4, -120);
    for (const QPointF c : {QPointF(30, 34), QPointF(56, 52), QPointF(80, 28), QPointF(22, 74)}) {
        petals(p, c, 5, 12, 10, -90, QColor(0xFF, 0xE8, 0xF0), QColor(0xF4, 0x9C, 0xBC), 1);
        dotCentre(p, c, 2.2, QColor(0xE0, 0x50, 0x70));
    }
}

void lavender(QPainter &p) {
    const QColor purple(0x8A, 0x60, 0xC8);
    for (int s = -2; s <= 2; ++s) {
        const QPointF top(50 + s * 13, 14 + std::abs(s) * 7);
        stem(p, {50, 98}, {50, 80}, top + QPointF(0, 30), top + QPointF(0, 20), 1.6);
        p.setPen(QPen(purple.darker(140), 0.4));
        for (int k = 0; k < 7; ++k) {
            const QPointF c = top + QPointF(0, k * 3.2);
            p.setBrush(k % 2 ? purple : purple.lighter(125));
            p.drawEllipse(c + QPointF(-1.8, 0), 2.2, 1.7);
            p.drawEllipse(c + QPointF(1.8, 0), 2.2, 1.7);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0xA8, 0x60));
    p.drawRect(QRectF(40, 80, 20, 5));
}

// Places: a sky, a ground and a silhouette or two.
void sky(QPainter &p, QColor top, QColor bottom) {
    QLinearGradient g(0, 0, 0, 100);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, 100, 100), g);
}

void ground(QPainter &p, const QPainterPath &shape, QColor colour) {
    QLinearGradient g(0, shape.boundingRect().top(), 0, 100);
    g.setColorAt(0, colour.lighter(115));
    g.setColorAt(1, colour.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(shape);
}

void fill(QPainter &p, const QPainterPath &shape, QColor colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(shape);
}

void sea(QPainter &p, qreal top, QColor colour) {
    QLinearGradient g(0, top, 0, 100);
    g.setColorAt(0, colour.lighter(120));
    g.setColorAt(1, colour.darker(150));
    p.fillRect(QRectF(0, top, 100, 100 - top), g);
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.8));
    for (int i = 0; i < 6; ++i) {
        const qreal y = top + 4 + i * 5;
        p.drawLine(QPointF(10 + (i * 37) % 50, y), QPointF(24 + (i * 37) % 50, y));
    }
}

void mountains(QPainter &p, QColor sk) {
    sky(p, sk.lighter(140), QColor(0xF6, 0xE8, 0xD0));
    fill(p, ellipse({74, 26}, 8, 8), QColor(0xFF, 0xF0, 0xB0));
    ground(
        p,
        polygon({{0, 100}, {0, 62}, {22, 34}, {38, 52}, {58, 24}, {80, 50}, {100, 40}, {100, 100}}),
        QColor(0x5A, 0x6A, 0x88));
    fill(p, polygon({{58, 24}, {66, 36}, {61, 34}, {57, 38}, {52, 32}}), Qt::white);
    fill(p, polygon({{22, 34}, {28, 42}, {24, 41}, {20, 44}, {17, 40}}), Qt::white);
    ground(p, polygon({{0, 100}, {0, 76}, {30, 66}, {60, 74}, {100, 64}, {100, 100}}),
           QColor(0x3C, 0x7A, 0x3C));
    for (const qreal x : {14.0, 22.0, 80.0, 88.0})
        fill(p, polygon({{x, 60 + x / 10}, {x - 5, 78 + x / 10}, {x + 5, 78 + x / 10}}),
             QColor(0x1E, 0x4A, 0x24));
}

void lighthouse(QPainter &p, QColor sk) {
    sky(p, sk.lighter(130), QColor(0xFF, 0xE0, 0xB0));
    sea(p, 70, QColor(0x20, 0x60, 0x90));
    ground(p, polygon({{30, 100}, {36, 80}, {50, 72}, {72, 76}, {84, 100}}),
           QColor(0x6A, 0x5A, 0x4A));
    QPainterPath tower = polygon({{48, 76}, {51, 30}, {61, 30}, {64, 76}});
    fill(p, tower, Qt::white);
    for (int band = 0; band < 3; ++band) {
        const qreal y = 38 + band * 13;
        fill(p,
             polygon({{50.5 - band * 0.9, y},
                      {61.5 + band * 0.9, y},
                      {62 + band * 0.9, y + 6},
                      {50 - band * 0.9, y + 6}}),
             QColor(0xC8, 0x20, 0x20));
    }
    fill(p, box(50, 22, 12, 8), QColor(0xFF, 0xE8, 0x60));
    fill(p, polygon({{48, 22}, {56, 14}, {64, 22}}), QColor(0x30, 0x30, 0x30));
    QPainterPath beam = polygon({{56, 26}, {4, 12}, {4, 36}});
    QLinearGradient g(56, 26, 4, 26);
    g.setColorAt(0, QColor(255, 250, 200, 200));
    g.setColorAt(1, QColor(255, 250, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(beam);
}

void castle(QPainter &p, QColor sk) {
    sky(p, sk.lighter(130), QColor(0xE8, 0xF0, 0xFF));
    ground(p, polygon({{0, 100}, {0, 80}, {40, 74}, {100, 82}, {100, 100}}),
           QColor(0x4A, 0x80, 0x3A));
    const QColor stone(0x8A, 0x82, 0x7A);
    QPainterPath walls =
        unite({box(22, 50, 56, 28), box(14, 34, 16, 44), box(70, 34, 16, 44), box(40, 28, 20, 50)});
    for (int i = 0; i < 4; ++i) {
        walls.addRect(14 + i * 4.5, 30, 2.5, 5);
        walls.addRect(70 + i * 4.5, 30, 2.5, 5);
        walls.addRect(40 + i * 5.5, 24, 3, 5);
    }
    for (int i = 0; i < 8; ++i)
        walls.addRect(30 + i * 5, 46, 2.5, 5);
    ground(p, walls.simplified(), stone);
    fill(p, polygon({{12, 30}, {22, 16}, {32, 30}}), QColor(0x8A, 0x20, 0x20));
    fill(p, polygon({{68, 30}, {78, 16}, {88, 30}}), QColor(0x8A, 0x20, 0x20));
    p.setPen(QPen(Qt::black, 0.6));
    p.drawLine(QPointF(50, 24), QPointF(50, 10));
    fill(p, polygon({{50, 10}, {60, 13}, {50, 16}}), QColor(0xE0, 0xB0, 0x20));
    QPainterPath gate;
    gate.moveTo(44, 78);
    gate.lineTo(44, 64);
    gate.arcTo(QRectF(44, 58, 12, 12), 180, -180);
    gate.lineTo(56, 78);
    gate.closeSubpath();
    fill(p, gate, QColor(0x3A, 0x2A, 0x1A));
    fill(p, unite({box(20, 42, 3, 6), box(77, 42, 3, 6), box(48.5, 36, 3, 6)}),
         QColor(0x2A, 0x22, 0x1A));
}

void pyramids(QPainter &p, QColor sk) {
    sky(p, sk.lighter(150), QColor(0xFF, 0xD8, 0x90));
    fill(p, ellipse({24, 24}, 9, 9), QColor(0xFF, 0xF4, 0xC0));
    ground(p, polygon({{0, 100}, {0, 74}, {100, 70}, {100, 100}}), QColor(0xD8, 0xA8, 0x5A));
    fill(p, polygon({{30, 76}, {56, 30}, {82, 74}}), QColor(0xC8, 0x94, 0x50));
    fill(p, polygon({{56, 30}, {82, 74}, {64, 76}}), QColor(0x9A, 0x6A, 0x34));
    fill(p, polygon({{4, 78}, {22, 48}, {40, 78}}), QColor(0xD0, 0x9C, 0x58));
    fill(p, polygon({{22, 48}, {40, 78}, {28, 79}}), QColor(0xA0, 0x70, 0x3A));
    fill(p, polygon({{74, 76}, {86, 56}, {98, 76}}), QColor(0xC0, 0x8C, 0x4A));
    p.setPen(QPen(QColor(0x50, 0x40, 0x30), 0.8));
    for (const qreal x : {60.0, 66.0, 72.0}) {
        p.drawLine(QPointF(x, 20), QPointF(x + 3, 17));
        p.drawLine(QPointF(x + 3, 17), QPointF(x + 6, 20));
    }
}

void windmill(QPainter &p, QColor sk) {
    sky(p, sk.lighter(140), QColor(0xF0, 0xF6, 0xFF));
    ground(p, polygon({{0, 100}, {0, 78}, {30, 68}, {60, 70}, {100, 80}, {100, 100}}),
           QColor(0x6A, 0x9A, 0x3A));
    fill(p, polygon({{36, 72}, {42, 38}, {58, 38}, {64, 72}}), QColor(0xE8, 0xDC, 0xC8));
    fill(p, polygon({{38, 40}, {50, 26}, {62, 40}}), QColor(0x8A, 0x3A, 0x2A));
    fill(p, box(46, 60, 8, 12), QColor(0x5A, 0x3A, 0x22));
    const QPointF hub(50, 38);
    for (int i = 0; i < 4; ++i) {
        QTransform t;
        t.translate(hub.x(), hub.y());
        t.rotate(20 + 90 * i);
        QPainterPath sail = unite({box(-1, -34, 2, 34), box(1, -32, 8, 26)});
        QPainterPath lattice;
        for (int k = 0; k < 4; ++k)
            lattice.addRect(1, -30 + k * 6.5, 8, 0.8);
        fill(p, t.map(sail), QColor(0x4A, 0x34, 0x24));
        fill(p, t.map(box(2, -31, 6.5, 24)), QColor(0xF6, 0xF0, 0xE0));
        fill(p, t.map(lattice), QColor(0x4A, 0x34, 0x24));
    }
    fill(p, ellipse(hub, 2.5, 2.5), QColor(0x30, 0x20, 0x14));
}

void island(QPainter &p, QColor sk) {
    sky(p, sk, QColor(0xFF, 0xA8, 0x50));
    fill(p, ellipse({50, 64}, 16, 16), QColor(0xFF, 0xE0, 0x70));
    sea(p, 64, QColor(0x20, 0x50, 0x80));
    ground(p, ellipse({46, 74}, 28, 6), QColor(0xE0, 0xC0, 0x78));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x40, 0x2A, 0x1A), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath trunk(QPointF(40, 72));
    trunk.cubicTo(40, 56, 46, 42, 54, 32);
    p.drawPath(trunk);
    for (int i = 0; i < 6; ++i) {
        const qreal a = -160 + i * 28;
        QTransform t;
        t.translate(54, 32);
        t.rotate(a);
        QPainterPath frond;
        frond.moveTo(0, 0);
        frond.quadTo(12, -7, 24, 4);
        frond.quadTo(12, -1, 0, 0);
        fill(p, t.map(frond), QColor(0x1E, 0x5A, 0x24));
    }
    p.setPen(QPen(QColor(0x30, 0x20, 0x20), 0.8));
    p.drawLine(QPointF(70, 24), QPointF(74, 21));
    p.drawLine(QPointF(74, 21), QPointF(78, 24));
}

void city(QPainter &p, QColor sk) {
    sky(p, sk.darker(200), sk.darker(110));
    fill(p, ellipse({76, 20}, 8, 8).subtracted(ellipse({80, 17}, 7, 7)), QColor(0xFF, 0xF4, 0xC0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 230, 200));
    for (const QPointF s : {QPointF(12, 14), QPointF(30, 8), QPointF(50, 18), QPointF(62, 10),
                            QPointF(90, 34), QPointF(20, 30)})
        p.drawEllipse(s, 0.8, 0.8);
    struct Tower {
        qreal x, w, top;
    };
    const Tower towers[] = {{2, 12, 56},  {14, 10, 40}, {24, 14, 62}, {38, 9, 30},
                            {47, 13, 48}, {60, 11, 36}, {71, 14, 58}, {85, 13, 44}};
    const QColor wall(0x18, 0x1C, 0x30);
    for (const Tower &t : towers) {
        fill(p, box(t.x, t.top, t.w, 100 - t.top), wall);
        p.setBrush(QColor(0xFF, 0xD8, 0x70));
        for (qreal y = t.top + 3; y < 96; y += 5)
            for (qreal x = t.x + 2; x < t.x + t.w - 2; x += 3.5)
                if ((int(x * 7 + y * 3) % 5) < 3)
                    p.drawRect(QRectF(x, y, 1.5, 2));
    }
    fill(p, polygon({{42.5, 30}, {42.5, 18}, {43.5, 30}}), wall);
}

void church(QPainter &p, QColor sk) {
    sky(p, sk.lighter(140), QColor(0xFF, 0xF0, 0xE0));
    ground(p, polygon({{0, 100}, {0, 84}, {100, 82}, {100, 100}}), QColor(0xE8, 0xF0, 0xF8));
    fill(
        p,
        unite({box(26, 52, 48, 34), box(40, 34, 20, 52), box(20, 60, 10, 26), box(70, 60, 10, 26)}),
        QColor(0xF4, 0xEC, 0xE0));
    auto dome = [&](QPointF base, qreal w, qreal h, QColor colour) {
        QPainterPath d;
        d.moveTo(base + QPointF(-w / 2, 0));
        d.cubicTo(base + QPointF(-w * 0.75, -h * 0.5), base + QPointF(-w * 0.2, -h * 0.7),
                  base + QPointF(0, -h));
        d.cubicTo(base + QPointF(w * 0.2, -h * 0.7), base + QPointF(w * 0.75, -h * 0.5),
                  base + QPointF(w / 2, 0));
        d.closeSubpath();
        QLinearGradient g(base + QPointF(-w / 2, 0), base + QPointF(w / 2, 0));
        g.setColorAt(0, colour.lighter(140));
        g.setColorAt(1, colour.darker(130));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(d);
        p.setPen(QPen(QColor(0xD0, 0xA0, 0x30), 0.8));
        p.drawLine(base + QPointF(0, -h), base + QPointF(0, -h - 6));
        p.drawLine(base + QPointF(-2.5, -h - 4), base + QPointF(2.5, -h - 4));
    };
    dome({50, 34}, 18, 20, QColor(0xE0, 0xB0, 0x30));
    dome({25, 60}, 10, 12, QColor(0x30, 0x60, 0xC0));
    dome({75, 60}, 10, 12, QColor(0x30, 0x60, 0xC0));
    dome({32, 52}, 9, 10, QColor(0x20, 0x90, 0x50));
    dome({68, 52}, 9, 10, QColor(0x20, 0x90, 0x50));
    QPainterPath door;
    door.addRoundedRect(QRectF(46, 70, 8, 16), 4, 4);
    fill(p, door, QColor(0x6A, 0x3A, 0x22));
    fill(p, unite({roundedBox(43, 44, 4, 8, 2), roundedBox(53, 44, 4, 8, 2)}),
         QColor(0x40, 0x50, 0x70));
}

void bridge(QPainter &p, QColor sk) {
    sky(p, sk.lighter(130), QColor(0xFF, 0xE8, 0xD8));
    sea(p, 70, QColor(0x30, 0x68, 0x88));
    QPainterPath deck = box(0, 46, 100, 8);
    QPainterPath piers;
    for (int i = 0; i < 4; ++i)
        piers.addRect(-4 + i * 34, 54, 8, 30);
    QPainterPath arches;
    for (int i = 0; i < 3; ++i)
        arches.addEllipse(QRectF(4 + i * 34, 54, 26, 30));
    QPainterPath body = unite({deck, piers, box(0, 54, 100, 12)}).subtracted(arches);
    ground(p, body, QColor(0x9A, 0x7A, 0x5A));
    p.setPen(QPen(QColor(0x4A, 0x3A, 0x2A), 0.8));
    for (int x = 2; x < 100; x += 5)
        p.drawLine(QPointF(x, 46), QPointF(x, 40));
    p.drawLine(QPointF(0, 40), QPointF(100, 40));
    ground(p, polygon({{0, 46}, {0, 30}, {14, 26}, {24, 34}, {30, 46}}), QColor(0x4A, 0x7A, 0x40));
}

void pagoda(QPainter &p, QColor sk) {
    sky(p, sk.lighter(150), QColor(0xFF, 0xE0, 0xE8));
    fill(p, ellipse({78, 22}, 9, 9), QColor(0xE8, 0x40, 0x30));
    ground(p, polygon({{0, 100}, {0, 84}, {100, 84}, {100, 100}}), QColor(0x5A, 0x7A, 0x4A));
    const QColor wood(0x9A, 0x22, 0x1A);
    const QColor roof(0x2A, 0x3A, 0x4A);
    for (int tier = 0; tier < 5; ++tier) {
        const qreal bottom = 84 - tier * 13;
        const qreal half = 16 - tier * 2.4;
        fill(p, box(50 - half * 0.7, bottom - 9, half * 1.4, 9), wood);
        QPainterPath eave;
        eave.moveTo(50 - half - 6, bottom - 7);
        eave.quadTo(50 - half, bottom - 10, 50 - half * 0.6, bottom - 13);
        eave.lineTo(50 + half * 0.6, bottom - 13);
        eave.quadTo(50 + half, bottom - 10, 50 + half + 6, bottom - 7);
        eave.lineTo(50 + half * 0.7, bottom - 9);
        eave.lineTo(50 - half * 0.7, bottom - 9);
        eave.closeSubpath();
        fill(p, eave, roof);
    }
    p.setPen(QPen(QColor(0xD0, 0xA0, 0x30), 1.2));
    p.drawLine(QPointF(50, 19), QPointF(50, 8));
}

} // namespace

QPainterPath animal(int n) {
    switch (n) {
    case 1:
        return cat();
    case 2:
        return horse();
    case 3:
        return deer();
    case 4:
        return swallow();
    case 5:
        return fish();
    case 6:
        return elephant();
    case 7:
        return rabbit();
    case 8:
        return owl();
    case 9:
        return butterfly();
    default:
        return turtle();
    }
}

QPainterPath motif(int n) {
    switch (n) {
    case 1:
        return sun();
    case 2:
        return moon();
    case 3:
        return anchor();
    case 4:
        return crown();
    case 5:
        return key();
    case 6:
        return compass();
    case 7:
        return snowflake();
    case 8:
        return clover();
    case 9:
        return horseshoe();
    default:
        return ship();
    }
}

void drawFlower(QPainter &p, int n) {
    switch (n) {
    case 1:
        daisy(p);
        break;
    case 2:
        tulip(p);
        break;
    case 3:
        rose(p);
        break;
    case 4:
        sunflower(p);
        break;
    case 5:
        lily(p);
        break;
    case 6:
        poppy(p);
        break;
    case 7:
        bluebells(p);
        break;
    case 8:
        lotus(p);
        break;
    case 9:
        blossom(p);
        break;
    default:
        lavender(p);
        break;
    }
}

void drawPlace(QPainter &p, int n, QColor skyColour) {
    switch (n) {
    case 1:
        mountains(p, skyColour);
        break;
    case 2:
        lighthouse(p, skyColour);
        break;
    case 3:
        castle(p, skyColour);
        break;
    case 4:
        pyramids(p, skyColour);
        break;
    case 5:
        windmill(p, skyColour);
        break;
    case 6:
        island(p, skyColour);
        break;
    case 7:
        city(p, skyColour);
        break;
    case 8:
        church(p, skyColour);
        break;
    case 9:
        bridge(p, skyColour);
        break;
    default:
        pagoda(p, skyColour);
        break;
    }
}

} // namespace emblems
