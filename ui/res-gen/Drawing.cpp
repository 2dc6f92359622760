#include "Drawing.h"

#include <QPainter>
#include <QtMath>

namespace draw {

QImage transparent(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage reduced(const QImage &big, QSize size) {
    return big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage blurred(const QImage &image, int radius) {
    QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = source.width();
    const int h = source.height();
    QImage target = source;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            const QRgb *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
            QRgb *outLine = reinterpret_cast<QRgb *>(target.scanLine(y));
            for (int x = 0; x < w; ++x) {
                int a = 0, r = 0, g = 0, b = 0, n = 0;
                for (int dx = -radius; dx <= radius; ++dx) {
                    const int xx = qBound(0, x + dx, w - 1);
                    a += qAlpha(in[xx]);
                    r += qRed(in[xx]);
                    g += qGreen(in[xx]);
                    b += qBlue(in[xx]);
                    ++n;
                }
                outLine[x] = qRgba(r / n, g / n, b / n, a / n);
            }
        }
        source = target;
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y < h; ++y) {
                int a = 0, r = 0, g = 0, b = 0, n = 0;
                for (int dy = -radius; dy <= radius; ++dy) {
                    const int yy = qBound(0, y + dy, h - 1);
                    const QRgb p = source.pixel(x, yy);
                    a += qAlpha(p);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                    ++n;
                }
                target.setPixel(x, y, qRgba(r / n, g / n, b / n, a / n));
            }
        }
        source = target;
    }
    return target;
}

QLinearGradient gold(const QRectF &box) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, QColor(0xFF, 0xF3, 0xB8));
    g.setColorAt(0.35, QColor(0xEA, 0xBA, 0x3C));
    g.setColorAt(0.55, QColor(0xB5, 0x80, 0x1A));
    g.setColorAt(0.8, QColor(0xEC, 0xC6, 0x58));
    g.setColorAt(1.0, QColor(0x96, 0x66, 0x10));
    return g;
}

QPainterPath star(QPointF centre, qreal outer, qreal inner, qreal turn) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = turn - M_PI / 2 + i * M_PI / 5;
        const qreal radius = i % 2 == 0 ? outer : inner;
        const QPointF p = centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath diamond(const QRectF &box) {
    QPainterPath path;
    const QPointF c = box.center();
    path.moveTo(c.x(), box.top());
    path.quadTo(QPointF(c.x() + box.width() * 0.12, c.y() - box.height() * 0.12),
                QPointF(box.right(), c.y()));
    path.quadTo(QPointF(c.x() + box.width() * 0.12, c.y() + box.height() * 0.12),
                QPointF(c.x(), box.bottom()));
    path.quadTo(QPointF(c.x() - box.width() * 0.12, c.y() + box.height() * 0.12),
                QPointF(box.left(), c.y()));
    path.quadTo(QPointF(c.x() - box.width() * 0.12, c.y() - box.height() * 0.12),
                QPointF(c.x(), box.top()));
    path.closeSubpath();
    return path;
}

QPainterPath suit(int which, const QRectF &box) {
    const qreal x = box.left(), y = box.top(), w = box.width(), h = box.height();
    QPainterPath path;
    switch (which) {
    case 1: // heart
        path.moveTo(x + w / 2, y + h);
        path.cubicTo(x - w * 0.1, y + h * 0.55, x + w * 0.05, y - h * 0.05, x + w / 2,
                     y + h * 0.25);
        path.cubicTo(x + w * 0.95, y - h * 0.05, x + w * 1.1, y + h * 0.55, x + w / 2, y + h);
        break;
    case 3: { // club
        const qreal r = w * 0.22;
        path.addEllipse(QPointF(x + w / 2, y + r + h * 0.02), r, r);
        path.addEllipse(QPointF(x + w / 2 - r * 1.15, y + h * 0.5), r, r);
        path.addEllipse(QPointF(x + w / 2 + r * 1.15, y + h * 0.5), r, r);
        QPainterPath stem;
        stem.moveTo(x + w / 2 - w * 0.05, y + h * 0.45);
        stem.lineTo(x + w / 2 + w * 0.05, y + h * 0.45);
        stem.lineTo(x + w * 0.68, y + h);
        stem.lineTo(x + w * 0.32, y + h);
        stem.closeSubpath();
        path = path.united(stem);
        break;
    }
    case 4: { // spade
        path.moveTo(x + w / 2, y);
        path.cubicTo(x + w * 0.6, y + h * 0.2, x + w * 1.1, y + h * 0.4, x + w * 0.95,
                     y + h * 0.68);
        path.cubicTo(x + w * 0.85, y + h * 0.85, x + w * 0.6, y + h * 0.8, x + w * 0.53,
                     y + h * 0.7);
        path.lineTo(x + w * 0.68, y + h);
        path.lineTo(x + w * 0.32, y + h);
        path.lineTo(x + w * 0.47, y + h * 0.7);
        path.cubicTo(x + w * 0.4, y + h * 0.8, x + w * 0.15, y + h * 0.85, x + w * 0.05,
                     y + h * 0.68);
        path.cubicTo(x - w * 0.1, y + h * 0.4, x + w * 0.4, y + h * 0.2, x + w / 2, y);
        break;
    }
    default:
        path = diamond(box);
        break;
    }
    path.closeSubpath();
    return path;
}

double Noise::unit() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ & 0xFFFFFF) / double(0x1000000);
}

} // namespace draw
