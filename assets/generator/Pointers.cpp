#include "Art.h"
#include "Hand.h"
#include "Output.h"
#include "Pictures.h"

#include <QPainter>
#include <QtMath>

#include <functional>
#include <vector>

// The program's own pointers are red ("Red mouse cursor"), 32 x 32, with a
// dark outline so they show on the felt and on white cards. Animated
// pointers are strips of frames side by side.

namespace {

constexpr int side = 32;
constexpr int factor = 4;
const QColor red(0xE0, 0x1C, 0x24);
const QColor darkRed(0x90, 0x08, 0x10);
const QColor outline(0x18, 0x08, 0x08);

QImage frame(const std::function<void(QPainter &)> &draw) {
    QImage big = art::transparent(QSize(side, side) * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    draw(p);
    p.end();
    return art::reduced(big, QSize(side, side));
}

QImage strip(const std::vector<QImage> &frames) {
    QImage out = art::transparent(QSize(side * int(frames.size()), side));
    QPainter p(&out);
    for (size_t i = 0; i < frames.size(); ++i)
        p.drawImage(int(i) * side, 0, frames[i]);
    return out;
}

QImage arrow() {
    return frame([](QPainter &p) {
        QPainterPath a;
        a.moveTo(1.5, 1.5);
        a.lineTo(1.5, 24);
        a.lineTo(7.2, 18.6);
        a.lineTo(11.4, 28);
        a.lineTo(15.4, 26.2);
        a.lineTo(11.3, 17.2);
        a.lineTo(19, 17.2);
        a.closeSubpath();
        QLinearGradient fill(QPointF(0, 0), QPointF(18, 28));
        fill.setColorAt(0, red.lighter(125));
        fill.setColorAt(1, darkRed);
        p.setPen(QPen(outline, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(fill);
        p.drawPath(a);
    });
}

QImage hand(qreal lift) {
    return frame([lift](QPainter &p) {
        p.translate(-1.5, lift);
        p.scale(0.5, 0.5);
        drawPointingHand(p, red, darkRed, outline, 2.6);
    });
}

QImage hourglass(qreal angle) {
    return frame([angle](QPainter &p) {
        p.translate(16, 16);
        p.rotate(angle);
        p.translate(-16, -16);
        QPainterPath glass;
        glass.moveTo(8, 4);
        glass.lineTo(24, 4);
        glass.cubicTo(24, 11, 18, 13, 17.4, 16);
        glass.cubicTo(18, 19, 24, 21, 24, 28);
        glass.lineTo(8, 28);
        glass.cubicTo(8, 21, 14, 19, 14.6, 16);
        glass.cubicTo(14, 13, 8, 11, 8, 4);
        glass.closeSubpath();
        p.setPen(QPen(outline, 1.3));
        p.setBrush(QColor(0xFF, 0xF2, 0xF0));
        p.drawPath(glass);
        // Sand in both halves.
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        QPolygonF top;
        top << QPointF(11, 9) << QPointF(21, 9) << QPointF(16, 15);
        p.drawPolygon(top);
        QPolygonF bottom;
        bottom << QPointF(10.5, 26.5) << QPointF(21.5, 26.5) << QPointF(16, 21);
        p.drawPolygon(bottom);
        // Caps.
        p.setBrush(darkRed);
        p.setPen(QPen(outline, 1.0));
        p.drawRoundedRect(QRectF(6, 2, 20, 3.4), 1.2, 1.2);
        p.drawRoundedRect(QRectF(6, 26.6, 20, 3.4), 1.2, 1.2);
    });
}

QImage ibeam(int glow) {
    return frame([glow](QPainter &p) {
        QColor c = red;
        c = c.lighter(100 + glow);
        QPainterPath beam;
        beam.moveTo(10, 3);
        beam.cubicTo(13, 3, 15, 4, 16, 6);
        beam.cubicTo(17, 4, 19, 3, 22, 3);
        beam.moveTo(16, 6);
        beam.lineTo(16, 26);
        beam.moveTo(10, 29);
        beam.cubicTo(13, 29, 15, 28, 16, 26);
        beam.cubicTo(17, 28, 19, 29, 22, 29);
        beam.moveTo(12.5, 16);
        beam.lineTo(19.5, 16);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(outline, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(beam);
        p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(beam);
    });
}

} // namespace

void drawPointers(Output &out) {
    out.add(QStringLiteral("png"), QStringLiteral("CURARROW"), arrow());

    std::vector<QImage> hands;
    for (qreal lift : {0.0, 0.6, 1.2, 1.6, 1.2, 0.6})
        hands.push_back(hand(lift));
    out.add(QStringLiteral("png"), QStringLiteral("CURHAND"), strip(hands));

    std::vector<QImage> waits;
    for (int i = 0; i < 8; ++i)
        waits.push_back(hourglass(i * 22.5));
    out.add(QStringLiteral("png"), QStringLiteral("CURWAIT"), strip(waits));

    std::vector<QImage> edits;
    for (int glow : {0, 25, 50, 25})
        edits.push_back(ibeam(glow));
    out.add(QStringLiteral("png"), QStringLiteral("CUREDIT"), strip(edits));
}
