#include "CalendarArt.h"

#include "Art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace calendar_art {

namespace {
constexpr int oversample = 4;
}

QImage drawn(QSize size, const std::function<void(QPainter &)> &body) {
    QImage big = art::transparent(size * oversample);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(oversample, oversample);
        body(painter);
    }
    return art::reduced(big, size);
}

void panel(QPainter &painter, QSize size, QColor top, QColor bottom) {
    const QRectF box(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.setPen(QPen(bottom.darker(150), 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(box, 6, 6);
    // A soft light along the top edge.
    QLinearGradient shine(box.topLeft(), QPointF(box.left(), box.top() + box.height() * 0.45));
    shine.setColorAt(0, QColor(255, 255, 255, 90));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawRoundedRect(box.adjusted(1.5, 1.5, -1.5, -box.height() * 0.55), 5, 5);
}

QPainterPath star(QPointF centre, double outer, double inner, int points, double rotationDegrees) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = qDegreesToRadians(rotationDegrees + 180.0 * i / points);
        const QPointF at(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

void fillOutlined(QPainter &painter, const QPainterPath &shape, const QBrush &fill, QColor outline,
                  double width) {
    painter.setBrush(fill);
    painter.setPen(width > 0 ? QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                             : QPen(Qt::NoPen));
    painter.drawPath(shape);
}

} // namespace calendar_art
