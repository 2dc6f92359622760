#pragma once
// The pictures in the middle of the backs of the "Animals", "Flowers",
// "Places" and "Other" sets: ten of each, drawn in a 100 x 100 box.

#include <QColor>
#include <QPainterPath>

class QPainter;

namespace emblems {

inline constexpr int count = 10;

// A filled silhouette of animal 1..10 (cat, horse, deer, swallow, fish,
// elephant, rabbit, owl, butterfly, turtle).
QPainterPath animal(int n);
// A filled silhouette of motif 1..10 (sun, moon and stars, anchor, crown,
// key, compass rose, snowflake, clover, horseshoe, sailing ship).
QPainterPath motif(int n);
// Flower 1..10 in its own colours (daisy, tulip, rose, sunflower, lily,
// poppy, bluebells, lotus, cherry blossom, lavender).
void drawFlower(QPainter &p, int n);
// Place 1..10 as a small landscape filling the box (mountains, lighthouse,
// castle, pyramids, windmill, palm island, city at night, domed church,
// bridge, pagoda); sky tinted with the given colour.
void drawPlace(QPainter &p, int n, QColor sky);

} // namespace emblems
