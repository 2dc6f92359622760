#include "match/MenuIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace quarn {

namespace {

void drawCoin(QPainter &p, double size) {
    QRadialGradient brass(QPointF(size * 0.35, size * 0.3), size * 0.75);
    brass.setColorAt(0.0, QColor(255, 232, 150));
    brass.setColorAt(0.6, QColor(200, 150, 50));
    brass.setColorAt(1.0, QColor(120, 80, 20));
    p.setPen(QPen(QColor(90, 60, 15), size * 0.04));
    p.setBrush(brass);
    p.drawEllipse(QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92));
    p.setBrush(QColor(20, 90, 45));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(size * 0.14, size * 0.14, size * 0.72, size * 0.72));
}

void drawGlyph(QPainter &p, MenuIcon icon, double s) {
    const QColor light(255, 245, 215);
    p.setPen(QPen(light, s * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(light);
    switch (icon) {
    case MenuIcon::Account:
        p.drawEllipse(QPointF(s * 0.5, s * 0.4), s * 0.1, s * 0.1);
        p.drawChord(QRectF(s * 0.3, s * 0.52, s * 0.4, s * 0.3), 0, 180 * 16);
        break;
    case MenuIcon::Tournament: {
        QPainterPath cup;
        cup.moveTo(s * 0.34, s * 0.3);
        cup.lineTo(s * 0.66, s * 0.3);
        cup.quadTo(s * 0.64, s * 0.55, s * 0.5, s * 0.57);
        cup.quadTo(s * 0.36, s * 0.55, s * 0.34, s * 0.3);
        p.drawPath(cup);
        p.drawLine(QPointF(s * 0.5, s * 0.57), QPointF(s * 0.5, s * 0.66));
        p.drawRect(QRectF(s * 0.4, s * 0.66, s * 0.2, s * 0.05));
        break;
    }
    case MenuIcon::Statistics:
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(s * 0.32, s * 0.52, s * 0.09, s * 0.18));
        p.drawRect(QRectF(s * 0.455, s * 0.38, s * 0.09, s * 0.32));
        p.drawRect(QRectF(s * 0.59, s * 0.45, s * 0.09, s * 0.25));
        break;
    case MenuIcon::News:
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(s * 0.32, s * 0.3, s * 0.36, s * 0.4), s * 0.03, s * 0.03);
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(s * 0.39, s * (0.41 + 0.09 * i)),
                       QPointF(s * 0.61, s * (0.41 + 0.09 * i)));
        break;
    case MenuIcon::Chat: {
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(s * 0.3, s * 0.32, s * 0.4, s * 0.26), s * 0.08, s * 0.08);
        bubble.moveTo(s * 0.4, s * 0.56);
        bubble.lineTo(s * 0.36, s * 0.68);
        bubble.lineTo(s * 0.5, s * 0.57);
        p.drawPath(bubble.simplified());
        break;
    }
    case MenuIcon::Radio:
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(s * 0.3, s * 0.42, s * 0.4, s * 0.26), s * 0.04, s * 0.04);
        p.drawLine(QPointF(s * 0.38, s * 0.42), QPointF(s * 0.6, s * 0.3));
        p.setBrush(light);
        p.drawEllipse(QPointF(s * 0.42, s * 0.55), s * 0.05, s * 0.05);
        p.drawLine(QPointF(s * 0.54, s * 0.52), QPointF(s * 0.63, s * 0.52));
        p.drawLine(QPointF(s * 0.54, s * 0.59), QPointF(s * 0.63, s * 0.59));
        break;
    case MenuIcon::HomePage: {
        QPolygonF house;
        house << QPointF(s * 0.5, s * 0.28) << QPointF(s * 0.7, s * 0.47)
              << QPointF(s * 0.64, s * 0.47) << QPointF(s * 0.64, s * 0.7)
              << QPointF(s * 0.36, s * 0.7) << QPointF(s * 0.36, s * 0.47)
              << QPointF(s * 0.3, s * 0.47);
        p.drawPolygon(house);
        p.setBrush(QColor(20, 90, 45));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(s * 0.46, s * 0.56, s * 0.08, s * 0.14));
        break;
    }
    }
}

} // namespace

QPixmap menuIcon(MenuIcon icon, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawCoin(painter, size);
    drawGlyph(painter, icon, size);
    return pixmap;
}

} // namespace quarn
