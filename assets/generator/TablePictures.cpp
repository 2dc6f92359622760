#include "Art.h"
#include "Hand.h"
#include "Output.h"
#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <functional>

namespace {

constexpr int factor = 4; // pictures are drawn at four times the base size

// The frame of the tab and the counter: a mahogany rim round an ivory panel.
QRectF panelFrame(QPainter &p, const QRectF &box) {
    QPainterPath outer;
    outer.addRoundedRect(box.adjusted(2, 2, -2, -2), 10, 10);
    art::dropShadow(p, outer, QPointF(1.2, 1.6), 2.5, QColor(0, 0, 0, 120));
    QLinearGradient wood(box.topLeft(), box.bottomRight());
    wood.setColorAt(0, QColor(0x9A, 0x55, 0x24));
    wood.setColorAt(0.45, QColor(0x6A, 0x33, 0x12));
    wood.setColorAt(1, QColor(0x44, 0x1E, 0x08));
    p.fillPath(outer, wood);
    p.setPen(QPen(QColor(0x2A, 0x12, 0x04), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outer);

    const QRectF inner = box.adjusted(5.5, 5.5, -5.5, -5.5);
    QPainterPath gold;
    gold.addRoundedRect(inner.adjusted(-1.6, -1.6, 1.6, 1.6), 6.5, 6.5);
    art::fillGold(p, gold, gold.boundingRect());
    QPainterPath ivory;
    ivory.addRoundedRect(inner, 5.5, 5.5);
    QLinearGradient cream(inner.topLeft(), inner.bottomLeft());
    cream.setColorAt(0, QColor(0xFF, 0xFB, 0xEE));
    cream.setColorAt(1, QColor(0xF0, 0xE4, 0xC4));
    p.fillPath(ivory, cream);
    return inner;
}

// A sunken well for a number.
void well(QPainter &p, const QRectF &box, qreal radius) {
    QPainterPath shape;
    shape.addRoundedRect(box, radius, radius);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(0xE2, 0xD3, 0xAC));
    fill.setColorAt(0.25, QColor(0xF4, 0xEA, 0xCF));
    fill.setColorAt(1, QColor(0xFC, 0xF7, 0xE8));
    p.fillPath(shape, fill);
    p.setPen(QPen(QColor(0xA8, 0x8A, 0x52), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

QImage render(QSize base, const std::function<void(QPainter &)> &draw) {
    QImage big = art::transparent(base * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    draw(p);
    p.end();
    return big;
}

void addBothSizes(Output &out, const QString &name, const QImage &big, QSize base) {
    out.add(QStringLiteral("png"), name, art::reduced(big, base));
    out.add(QStringLiteral("png"), name + QStringLiteral("B"), art::reduced(big, base * 2));
}

QImage tab() {
    return render(QSize(155, 95), [](QPainter &p) {
        const QRectF inner = panelFrame(p, QRectF(0, 0, 155, 95));
        // The score band and a rule under it.
        p.setPen(QPen(QColor(0xB8, 0x94, 0x4C), 0.8));
        p.drawLine(QPointF(inner.left() + 8, 45), QPointF(inner.right() - 8, 45));
        // The turn light and the two number wells.
        QRadialGradient light(QPointF(29, 67), 16);
        light.setColorAt(0, QColor(0xF7, 0xEE, 0xD6));
        light.setColorAt(1, QColor(0xDC, 0xCB, 0xA2));
        QPainterPath spot;
        spot.addEllipse(QPointF(29, 67), 15, 15);
        p.fillPath(spot, light);
        p.setPen(QPen(QColor(0xA8, 0x8A, 0x52), 0.7));
        p.drawPath(spot);
        well(p, QRectF(55, 50, 42, 32), 5);
        well(p, QRectF(105, 50, 41, 32), 5);
    });
}

QImage counter() {
    return render(QSize(120, 150), [](QPainter &p) {
        panelFrame(p, QRectF(0, 0, 120, 150));
        p.setPen(QPen(QColor(0xB8, 0x94, 0x4C), 0.8));
        p.drawLine(QPointF(16, 40), QPointF(104, 40));
        // The bank's tray: a small baize inset.
        const QRectF tray(13, 76, 94, 62);
        QPainterPath shape;
        shape.addRoundedRect(tray, 8, 8);
        QRadialGradient baize(tray.center(), tray.width() * 0.6);
        baize.setColorAt(0, QColor(0x2C, 0x8E, 0x4C));
        baize.setColorAt(1, QColor(0x0C, 0x46, 0x22));
        p.fillPath(shape, baize);
        p.setPen(QPen(QColor(0x6A, 0x4A, 0x1A), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    });
}

void coin(QPainter &p, QPointF centre, qreal radius, qreal thickness) {
    // The rim, then the face.
    QPainterPath rim;
    rim.addEllipse(QPointF(centre.x(), centre.y() + thickness), radius, radius * 0.42);
    rim.addRect(QRectF(centre.x() - radius, centre.y(), 2 * radius, thickness));
    rim.setFillRule(Qt::WindingFill);
    QLinearGradient side(QPointF(centre.x() - radius, 0), QPointF(centre.x() + radius, 0));
    side.setColorAt(0, QColor(0x8A, 0x5A, 0x08));
    side.setColorAt(0.4, QColor(0xD8, 0xA4, 0x2C));
    side.setColorAt(1, QColor(0x7A, 0x4C, 0x06));
    p.fillPath(rim.simplified(), side);
    QPainterPath face;
    face.addEllipse(centre, radius, radius * 0.42);
    QRadialGradient shine(centre - QPointF(radius * 0.3, radius * 0.15), radius * 1.1);
    shine.setColorAt(0, QColor(0xFF, 0xF4, 0xB8));
    shine.setColorAt(0.5, QColor(0xF0, 0xC0, 0x40));
    shine.setColorAt(1, QColor(0xB0, 0x78, 0x10));
    p.fillPath(face, shine);
    p.setPen(QPen(QColor(0x8A, 0x5C, 0x0C), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.74, radius * 0.3);
}

QImage bank() {
    return render(QSize(96, 64), [](QPainter &p) {
        const qreal r = 13;
        const qreal t = 3.2;
        struct Stack {
            qreal x;
            int coins;
        };
        const Stack stacks[] = {{24, 5}, {49, 8}, {73, 4}};
        for (const Stack &s : stacks) {
            QPainterPath shadow;
            shadow.addEllipse(QPointF(s.x + 2, 54), r + 1, r * 0.42 + 1);
            p.fillPath(shadow, QColor(0, 0, 0, 70));
            for (int i = 0; i < s.coins; ++i)
                coin(p, QPointF(s.x + (i % 2 ? 0.6 : -0.4), 51 - i * t), r, t);
        }
        coin(p, QPointF(36, 57), 10, 2.4);
        coin(p, QPointF(63, 58), 10, 2.4);
    });
}

QImage plate(QColor top, QColor bottom) {
    return render(QSize(160, 20), [&](QPainter &p) {
        const QRectF box(0.6, 0.6, 158.8, 18.8);
        QPainterPath pill;
        pill.addRoundedRect(box, 9.4, 9.4);
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
        p.fillPath(pill, fill);
        // Gloss on the upper half.
        QPainterPath gloss;
        gloss.addRoundedRect(
            QRectF(box.left() + 4, box.top() + 1.2, box.width() - 8, box.height() * 0.42), 6, 6);
        QLinearGradient shine(box.topLeft(), QPointF(box.left(), box.top() + box.height() * 0.5));
        shine.setColorAt(0, QColor(255, 255, 255, 120));
        shine.setColorAt(1, QColor(255, 255, 255, 10));
        p.fillPath(gloss, shine);
        p.setPen(QPen(bottom.darker(160), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawPath(pill);
    });
}

// The ribbon of the banner shown while a hand's film is written: an ivory
// band edged in gold, its swallow-tailed ends folded behind it.
QImage advertisingBar() {
    return render(QSize(175, 40), [](QPainter &p) {
        const QColor tailDark(0x7A, 0x12, 0x10);
        const QColor tailLight(0xB8, 0x2A, 0x22);
        for (int side = 0; side < 2; ++side) {
            const qreal edge = side == 0 ? 1 : 174;
            const qreal inner = side == 0 ? 24 : 151;
            const qreal notch = side == 0 ? 9 : 166;
            QPainterPath tail;
            tail.moveTo(inner, 10);
            tail.lineTo(edge, 10);
            tail.lineTo(notch, 23);
            tail.lineTo(edge, 37);
            tail.lineTo(inner, 37);
            tail.closeSubpath();
            QLinearGradient shade(0, 10, 0, 37);
            shade.setColorAt(0, tailLight);
            shade.setColorAt(1, tailDark);
            art::dropShadow(p, tail, QPointF(0.8, 1.2), 1.5, QColor(0, 0, 0, 90));
            p.fillPath(tail, shade);
            QPainterPath fold;
            const qreal foldX = side == 0 ? 16 : 159;
            fold.moveTo(foldX, 33);
            fold.lineTo(inner, 37);
            fold.lineTo(foldX, 37);
            fold.closeSubpath();
            p.fillPath(fold, tailDark.darker(150));
        }
        QPainterPath band;
        band.addRoundedRect(QRectF(16, 3, 143, 30), 3, 3);
        art::dropShadow(p, band, QPointF(0.8, 1.4), 2, QColor(0, 0, 0, 110));
        art::fillGold(p, band, band.boundingRect());
        QPainterPath face;
        face.addRoundedRect(QRectF(18, 5, 139, 26), 2, 2);
        QLinearGradient cream(0, 5, 0, 31);
        cream.setColorAt(0, QColor(0xFF, 0xFC, 0xF0));
        cream.setColorAt(0.5, QColor(0xF6, 0xEB, 0xCC));
        cream.setColorAt(1, QColor(0xE8, 0xD6, 0xA6));
        p.fillPath(face, cream);
        p.setPen(QPen(QColor(0x8A, 0x66, 0x20), 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(band);
    });
}

QImage hand(int rotation) {
    QImage big = art::transparent(QSize(64, 64) * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    p.translate(32, 32);
    p.rotate(rotation);
    p.translate(-32, -32);
    drawPointingHand(p, QColor(0xFF, 0xFF, 0xFF), QColor(0xCF, 0xD4, 0xDC),
                     QColor(0x20, 0x20, 0x28), 2.6);
    p.end();
    return art::reduced(big, QSize(64, 64));
}

} // namespace

void drawTablePictures(Output &out) {
    addBothSizes(out, QStringLiteral("GTab"), tab(), QSize(155, 95));
    addBothSizes(out, QStringLiteral("GKon"), counter(), QSize(120, 150));
    addBothSizes(out, QStringLiteral("GBank"), bank(), QSize(96, 64));

    struct PlateColours {
        const char *name;
        QColor top;
        QColor bottom;
    };
    const PlateColours plates[] = {
        {"GSayYe", QColor(0xF0, 0xC4, 0x48), QColor(0x9C, 0x66, 0x08)},
        {"GSayGr", QColor(0x4C, 0xB8, 0x64), QColor(0x16, 0x62, 0x2A)},
        {"GSayRe", QColor(0xE4, 0x56, 0x4E), QColor(0x88, 0x16, 0x12)},
        {"GSayBl", QColor(0x58, 0x8E, 0xE4), QColor(0x1A, 0x3C, 0x8C)},
        {"GSayGy", QColor(0xA4, 0xA4, 0xA8), QColor(0x48, 0x48, 0x4E)},
    };
    for (const PlateColours &c : plates)
        addBothSizes(out, QLatin1String(c.name), plate(c.top, c.bottom), QSize(160, 20));

    out.add(QStringLiteral("png"), QStringLiteral("GHandUp"), hand(0));
    out.add(QStringLiteral("png"), QStringLiteral("GHandRight"), hand(90));
    out.add(QStringLiteral("png"), QStringLiteral("AdvBar3"),
            art::reduced(advertisingBar(), QSize(175, 40)));
}
