#pragma once
// Colour treatments that restyle an SVG deck's pictures for another set:
// sepia, a two-colour print, a hue turn, an engraved ink look, a pastel wash.

#include <QColor>
#include <QImage>

namespace cards {

enum class Filter {
    None,
    Sepia,   // warm brown photograph tones
    Duotone, // dark ink .. light paper between two colours
    Hue,     // colours turned round the hue circle by a number of degrees
    Engrave, // luminance in a few steps of one ink on the paper colour
    Pastel,  // colours washed towards a light colour
    Vivid,   // stronger saturation and contrast
};

struct Treatment {
    Filter filter = Filter::None;
    QColor ink = Qt::black;   // Duotone, Engrave: the dark colour; Pastel: the wash
    QColor paper = Qt::white; // Duotone, Engrave: the light colour
    int degrees = 0;          // Hue
};

// The picture with the treatment applied; transparent pixels stay transparent.
QImage treated(const QImage &picture, const Treatment &treatment);

} // namespace cards
