#pragma once
// The table backgrounds of the background library: pictures 1..10 ("Sun",
// "Felt", "Gradient", "Cloth", "Carpet", "Tree", "Casino", "Pattern", "Silk",
// "Ornament") in colour variants 0..6 ("Green" .. "Violet"), 760 x 500 and
// 1520 x 1000 ("B"), as JPEG pictures "Fon" + two digits + variant code.

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

class Output;

namespace backgrounds {

inline constexpr int pictureCount = 10;
inline constexpr int variantCount = 7;
inline constexpr QSize smallSize{760, 500};
inline constexpr QSize largeSize{1520, 1000};

// "Fon07Re", "Fon07ReB".
QString resourceName(int picture, int variant, bool large);

// All variants of one picture at the large size, in variant order.
std::vector<QImage> drawPicture(int picture);

// Writes the 140 JPEG pictures into the part.
bool drawAll(Output &out, int quality);

} // namespace backgrounds
