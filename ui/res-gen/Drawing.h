#pragma once
// Drawing helpers and the picture groups of the generator.

#include "Output.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRectF>

#include <vector>

class QPainter;

namespace draw {

QImage transparent(QSize size);
// A picture drawn at four times its size and reduced smoothly.
QImage reduced(const QImage &big, QSize size);
// A soft blurred copy (a few box passes over the alpha and colours).
QImage blurred(const QImage &image, int radius);
// Metallic gold down a box.
QLinearGradient gold(const QRectF &box);
// A five-pointed star.
QPainterPath star(QPointF centre, qreal outer, qreal inner, qreal turn = 0);
// The diamond suit shape in a box.
QPainterPath diamond(const QRectF &box);
// The heart, club and spade shapes in a box (suit 1 hearts, 3 clubs, 4 spades).
QPainterPath suit(int suit, const QRectF &box);
// Deterministic pseudo-random numbers.
class Noise {
  public:
    explicit Noise(unsigned seed) : state_(seed * 2654435761u + 1u) {}
    double unit();

  private:
    unsigned state_;
};

} // namespace draw

// The game information window's club emblem `which` ('A' to 'G') as
// animation frames of the given size.
std::vector<QImage> clubAnimation(char which, QSize size);

// The picture groups.
void drawButtonSlices(Output &out);
void drawRibbons(Output &out);
void drawMedals(Output &out);
void drawAnimations(Output &out);
void drawBadges(Output &out);
// The graphics library WemCGraph1.dll.
void drawGraphicsLibrary(Output &out);
