#include "Hand.h"

#include <QLinearGradient>
#include <QPainter>

QPainterPath pointingHand() {
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    // Index finger.
    hand.addRoundedRect(QRectF(25, 2, 12, 36), 6, 6);
    // Folded middle, ring and little fingers.
    hand.addRoundedRect(QRectF(35, 22, 11, 16), 5, 5);
    hand.addRoundedRect(QRectF(42, 25, 10, 15), 5, 5);
    hand.addRoundedRect(QRectF(48, 29, 9, 14), 4.5, 4.5);
    // Palm.
    hand.addRoundedRect(QRectF(22, 30, 35, 24), 9, 9);
    // Thumb, laid across the palm's left.
    QPainterPath thumb;
    thumb.moveTo(26, 40);
    thumb.cubicTo(20, 34, 12, 30, 9, 35);
    thumb.cubicTo(6, 40, 14, 46, 22, 52);
    thumb.lineTo(30, 50);
    thumb.closeSubpath();
    hand.addPath(thumb);
    // Cuff.
    hand.addRoundedRect(QRectF(24, 52, 30, 10), 3, 3);
    return hand.simplified();
}

void drawPointingHand(QPainter &painter, const QColor &fill, const QColor &shade,
                      const QColor &outline, qreal outlineWidth) {
    const QPainterPath hand = pointingHand();
    QLinearGradient gradient(QPointF(10, 0), QPointF(58, 64));
    gradient.setColorAt(0, fill.lighter(108));
    gradient.setColorAt(0.6, fill);
    gradient.setColorAt(1, shade);
    painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gradient);
    painter.drawPath(hand);
    // Creases between the folded fingers and above the cuff.
    painter.setPen(QPen(outline, outlineWidth * 0.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(37, 38), QPointF(37, 33));
    painter.drawLine(QPointF(44, 40), QPointF(44, 35));
    painter.drawLine(QPointF(50, 42), QPointF(50, 38));
    painter.drawLine(QPointF(25, 52.5), QPointF(53, 52.5));
}
