#pragma once
// Shared drawing helpers of the generator: suit shapes, colours, rounded
// cards, soft shadows, and a high-quality downscale.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace art {

// Suits 1 hearts, 2 diamonds, 3 clubs, 4 spades.
QPainterPath suitPath(int suit, const QRectF &box);
QColor suitColour(int suit);

// A picture drawn at a multiple of its size and reduced smoothly.
QImage reduced(const QImage &big, QSize size);

// A transparent ARGB picture.
QImage transparent(QSize size);

// A soft drop shadow of a shape.
void dropShadow(QPainter &painter, const QPainterPath &shape, QPointF offset, qreal blur,
                QColor colour);

// A blurred copy of an image (box blur, a few passes).
QImage blurred(const QImage &image, int radius);

// A metallic gold gradient across a rectangle.
void fillGold(QPainter &painter, const QPainterPath &shape, const QRectF &box);

// The white card a back is painted on, drawn `factor` times its size: with
// rounded corners and a grey rim for the large pictures, square for the small
// bitmap that the program frames itself.
void paintCardBlank(QPainter &painter, const QRectF &card, qreal factor, bool rounded);

// Deterministic pseudo-random numbers for textures.
class Noise {
  public:
    explicit Noise(unsigned seed) : state_(seed * 2654435761u + 1u) {}
    unsigned next();
    double unit() { return (next() & 0xFFFFFF) / double(0x1000000); } // 0..1

  private:
    unsigned state_;
};

// Smooth value noise at a point (0..1), for mottled textures.
double valueNoise(double x, double y, unsigned seed);

} // namespace art
