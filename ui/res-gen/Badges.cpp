// The account picture "Account48" (a member's silhouette on a blue disc) and
// the three state lamps "LampR24", "LampY24", "LampG24" (glossy glass beads).

#include "Drawing.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QImage account() {
    const int k = 4;
    QImage big = draw::transparent(QSize(48 * k, 48 * k));
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    QRadialGradient disc(QPointF(18, 14), 34);
    disc.setColorAt(0, QColor(120, 180, 250));
    disc.setColorAt(1, QColor(24, 60, 140));
    p.setPen(QPen(QColor(16, 36, 90), 1.2));
    p.setBrush(disc);
    p.drawEllipse(QRectF(2, 2, 44, 44));
    QPainterPath clip;
    clip.addEllipse(QRectF(2.6, 2.6, 42.8, 42.8));
    p.setClipPath(clip);
    QLinearGradient body(0, 26, 0, 48);
    body.setColorAt(0, QColor(250, 250, 255));
    body.setColorAt(1, QColor(196, 206, 226));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(QRectF(17, 9, 14, 16));
    p.drawRoundedRect(QRectF(9, 27, 30, 26), 13, 13);
    p.end();
    return draw::reduced(big, QSize(48, 48));
}

QImage lamp(QColor colour) {
    const int k = 4;
    QImage big = draw::transparent(QSize(24 * k, 24 * k));
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(90, 90, 90));
    p.drawEllipse(QRectF(2, 2, 20, 20));
    QRadialGradient glass(QPointF(10, 9), 11);
    glass.setColorAt(0, colour.lighter(170));
    glass.setColorAt(0.6, colour);
    glass.setColorAt(1, colour.darker(220));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(QRectF(4, 4, 16, 16));
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(QRectF(7.5, 6.5, 5, 3.5));
    p.end();
    return draw::reduced(big, QSize(24, 24));
}

} // namespace

void drawBadges(Output &out) {
    out.addPng(QStringLiteral("Account48"), account());
    out.addPng(QStringLiteral("LampR24"), lamp(QColor(230, 30, 30)));
    out.addPng(QStringLiteral("LampY24"), lamp(QColor(240, 200, 20)));
    out.addPng(QStringLiteral("LampG24"), lamp(QColor(30, 190, 50)));
}
