// The medal of the end-of-game window and the ten place pictures that sit on
// its disc: "GMedal" (a gold disc on a ribbon) and "GPlace01" ... "GPlace10"
// (the place number embossed in a laurel ring).

#include "Drawing.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

constexpr int MedalWidth = 150;
constexpr int MedalHeight = 200;
constexpr int PlaceSize = 80;

QImage medal() {
    QImage image = draw::transparent(QSize(MedalWidth, MedalHeight));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Two ribbon bands crossing into a V.
    const QColor stripes[] = {QColor(170, 20, 30), QColor(245, 245, 245), QColor(30, 60, 150)};
    for (int side = 0; side < 2; ++side) {
        QPainterPath band;
        const qreal outer = side == 0 ? 20 : MedalWidth - 20;
        const qreal inner = side == 0 ? 62 : MedalWidth - 62;
        band.moveTo(outer - (side == 0 ? 0 : 34), 0);
        band.lineTo(outer + (side == 0 ? 34 : 0), 0);
        band.lineTo(inner + (side == 0 ? 26 : 0), 100);
        band.lineTo(inner - (side == 0 ? 0 : 26), 100);
        band.closeSubpath();
        p.save();
        p.setClipPath(band);
        const QRectF box = band.boundingRect();
        for (int s = 0; s < 3; ++s) {
            const qreal w = box.width() / 3;
            p.fillRect(QRectF(box.left() + s * w - 20, 0, w + 1, 110), stripes[s]);
        }
        p.restore();
        QLinearGradient shade(0, 0, 0, 100);
        shade.setColorAt(0, QColor(0, 0, 0, 0));
        shade.setColorAt(1, QColor(0, 0, 0, 80));
        p.fillPath(band, shade);
        p.setPen(QPen(QColor(60, 20, 20, 160), 1));
        p.drawPath(band);
    }
    // The gold disc with a raised rim.
    const QPointF centre(MedalWidth / 2.0, 135);
    const qreal radius = 58;
    QPainterPath shadow;
    shadow.addEllipse(centre + QPointF(2, 3), radius, radius);
    p.fillPath(shadow, QColor(0, 0, 0, 70));
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    p.fillPath(disc, draw::gold(disc.boundingRect()));
    QPainterPath inner;
    inner.addEllipse(centre, radius - 7, radius - 7);
    QLinearGradient sunk(centre - QPointF(0, radius), centre + QPointF(0, radius));
    sunk.setColorAt(0, QColor(176, 124, 26));
    sunk.setColorAt(0.5, QColor(236, 196, 84));
    sunk.setColorAt(1, QColor(255, 236, 160));
    p.fillPath(inner, sunk);
    p.setPen(QPen(QColor(120, 80, 10), 1.2));
    p.drawPath(disc);
    p.drawPath(inner);
    // A glint.
    QRadialGradient glint(centre - QPointF(22, 26), 30);
    glint.setColorAt(0, QColor(255, 255, 255, 150));
    glint.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(disc, glint);
    p.end();
    return image;
}

QImage place(int n) {
    const int k = 3;
    QImage big = draw::transparent(QSize(PlaceSize * k, PlaceSize * k));
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    const QPointF c(PlaceSize / 2.0, PlaceSize / 2.0);
    // A laurel ring: leaves along two arcs.
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 8; ++i) {
            const qreal angle = M_PI / 2 + side * (0.45 + i * 0.29);
            const QPointF at = c + QPointF(std::cos(angle) * 31, std::sin(angle) * 31);
            p.save();
            p.translate(at);
            p.rotate(qRadiansToDegrees(angle) + (side > 0 ? 60 : 120));
            QPainterPath leaf;
            leaf.moveTo(-6, 0);
            leaf.quadTo(0, -4, 6, 0);
            leaf.quadTo(0, 4, -6, 0);
            p.fillPath(leaf, QColor(70, 120, 40));
            p.setPen(QPen(QColor(30, 70, 20), 0.6));
            p.drawPath(leaf);
            p.restore();
        }
    }
    // The number, embossed: dark shadow, light edge, then the face.
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(n == 10 ? 34 : 42);
    QPainterPath digits;
    digits.addText(0, 0, font, QString::number(n));
    const QRectF box = digits.boundingRect();
    digits.translate(c - box.center());
    p.fillPath(digits.translated(1.4, 1.6), QColor(90, 56, 6));
    p.fillPath(digits.translated(-0.8, -0.8), QColor(255, 248, 214));
    QLinearGradient face(0, c.y() - box.height() / 2, 0, c.y() + box.height() / 2);
    face.setColorAt(0, QColor(196, 30, 40));
    face.setColorAt(1, QColor(120, 10, 20));
    p.fillPath(digits, face);
    p.end();
    return draw::reduced(big, QSize(PlaceSize, PlaceSize));
}

} // namespace

void drawMedals(Output &out) {
    out.addPng(QStringLiteral("GMedal"), medal());
    for (int n = 1; n <= 10; ++n)
        out.addPng(QStringLiteral("GPlace%1").arg(n, 2, 10, QLatin1Char('0')), place(n));
}
