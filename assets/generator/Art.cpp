#include "Art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace art {

namespace {

// The suit shapes in a 100 x 100 box.
QPainterPath heart() {
    QPainterPath p;
    p.moveTo(50, 94);
    p.cubicTo(36, 78, 2, 58, 2, 30);
    p.cubicTo(2, 13, 14, 3, 28, 3);
    p.cubicTo(39, 3, 47, 10, 50, 20);
    p.cubicTo(53, 10, 61, 3, 72, 3);
    p.cubicTo(86, 3, 98, 13, 98, 30);
    p.cubicTo(98, 58, 64, 78, 50, 94);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(50, 1);
    p.cubicTo(60, 18, 72, 36, 88, 50);
    p.cubicTo(72, 64, 60, 82, 50, 99);
    p.cubicTo(40, 82, 28, 64, 12, 50);
    p.cubicTo(28, 36, 40, 18, 50, 1);
    p.closeSubpath();
    return p;
}

QPainterPath spade() {
    QPainterPath p;
    p.moveTo(50, 2);
    p.cubicTo(64, 22, 98, 38, 98, 62);
    p.cubicTo(98, 76, 88, 84, 76, 84);
    p.cubicTo(66, 84, 58, 79, 53, 71);
    p.cubicTo(54, 84, 60, 92, 70, 98);
    p.lineTo(30, 98);
    p.cubicTo(40, 92, 46, 84, 47, 71);
    p.cubicTo(42, 79, 34, 84, 24, 84);
    p.cubicTo(12, 84, 2, 76, 2, 62);
    p.cubicTo(2, 38, 36, 22, 50, 2);
    p.closeSubpath();
    return p;
}

QPainterPath club() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.addEllipse(QPointF(50, 27), 22, 22);
    p.addEllipse(QPointF(26, 60), 22, 22);
    p.addEllipse(QPointF(74, 60), 22, 22);
    p.addEllipse(QPointF(50, 52), 12, 12);
    QPainterPath stem;
    stem.moveTo(46, 56);
    stem.cubicTo(46, 78, 40, 90, 30, 98);
    stem.lineTo(70, 98);
    stem.cubicTo(60, 90, 54, 78, 54, 56);
    stem.closeSubpath();
    return p.united(stem).simplified();
}

} // namespace

QPainterPath suitPath(int suit, const QRectF &box) {
    QPainterPath unit;
    switch (suit) {
    case 1:
        unit = heart();
        break;
    case 2:
        unit = diamond();
        break;
    case 3:
        unit = club();
        break;
    default:
        unit = spade();
        break;
    }
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 100.0, box.height() / 100.0);
    return t.map(unit);
}

QColor suitColour(int suit) {
    return suit <= 2 ? QColor(0xCC, 0x10, 0x24) : QColor(0x16, 0x16, 0x1C);
}

QImage reduced(const QImage &big, QSize size) {
    // Halve while more than twice too large, then one smooth step: keeps thin
    // lines crisp without aliasing.
    QImage image = big;
    while (image.width() >= 2 * size.width() && image.height() >= 2 * size.height())
        image = image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage transparent(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage blurred(const QImage &source, int radius) {
    if (radius < 1)
        return source;
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width();
    const int h = image.height();
    std::vector<int> acc(4 * std::max(w, h));
    for (int pass = 0; pass < 3; ++pass) {
        for (int horizontal = 0; horizontal < 2; ++horizontal) {
            const int lines = horizontal ? h : w;
            const int length = horizontal ? w : h;
            for (int line = 0; line < lines; ++line) {
                auto pixel = [&](int i) -> QRgb & {
                    const int x = horizontal ? i : line;
                    const int y = horizontal ? line : i;
                    return reinterpret_cast<QRgb *>(image.scanLine(y))[x];
                };
                std::vector<QRgb> copy(length);
                for (int i = 0; i < length; ++i)
                    copy[i] = pixel(i);
                long sa = 0, sr = 0, sg = 0, sb = 0;
                const int span = 2 * radius + 1;
                for (int i = -radius; i <= radius; ++i) {
                    const QRgb c = copy[std::clamp(i, 0, length - 1)];
                    sa += qAlpha(c), sr += qRed(c), sg += qGreen(c), sb += qBlue(c);
                }
                for (int i = 0; i < length; ++i) {
                    pixel(i) =
                        qRgba(int(sr / span), int(sg / span), int(sb / span), int(sa / span));
                    const QRgb out = copy[std::clamp(i - radius, 0, length - 1)];
                    const QRgb in = copy[std::clamp(i + radius + 1, 0, length - 1)];
                    sa += qAlpha(in) - qAlpha(out);
                    sr += qRed(in) - qRed(out);
                    sg += qGreen(in) - qGreen(out);
                    sb += qBlue(in) - qBlue(out);
                }
            }
        }
    }
    return image;
}

void dropShadow(QPainter &painter, const QPainterPath &shape, QPointF offset, qreal blur,
                QColor colour) {
    const QRectF bounds = shape.boundingRect().adjusted(-3 * blur, -3 * blur, 3 * blur, 3 * blur);
    QImage layer = transparent(bounds.size().toSize() + QSize(2, 2));
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-bounds.topLeft());
        p.fillPath(shape, colour);
    }
    layer = blurred(layer, int(std::max<qreal>(1, blur / 2)));
    painter.drawImage(bounds.topLeft() + offset, layer);
}

void fillGold(QPainter &painter, const QPainterPath &shape, const QRectF &box) {
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0.0, QColor(0xFF, 0xF1, 0xB0));
    gold.setColorAt(0.35, QColor(0xE8, 0xB8, 0x3A));
    gold.setColorAt(0.55, QColor(0xB8, 0x84, 0x1C));
    gold.setColorAt(0.8, QColor(0xE9, 0xC2, 0x55));
    gold.setColorAt(1.0, QColor(0x9A, 0x6A, 0x12));
    painter.fillPath(shape, gold);
}

unsigned Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

namespace {
double lattice(int x, int y, unsigned seed) {
    unsigned h = unsigned(x) * 374761393u + unsigned(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 65535.0;
}
double smooth(double t) {
    return t * t * (3 - 2 * t);
}
} // namespace

double valueNoise(double x, double y, unsigned seed) {
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const double a = lattice(x0, y0, seed), b = lattice(x0 + 1, y0, seed);
    const double c = lattice(x0, y0 + 1, seed), d = lattice(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

void paintCardBlank(QPainter &painter, const QRectF &card, qreal factor, bool rounded) {
    if (!rounded) {
        painter.fillRect(card, Qt::white);
        return;
    }
    const qreal radius = card.width() * 0.06;
    painter.setPen(QPen(QColor(0x70, 0x70, 0x70), factor));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card.adjusted(factor * 0.5, factor * 0.5, -factor * 0.5, -factor * 0.5),
                            radius, radius);
}

} // namespace art
