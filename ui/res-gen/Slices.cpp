// The button slices: left end, right end and the 2-px middle of a glossy
// button in three sizes and two looks, all in the red of the DRed scheme.
// The classic look repeats the line gradient the button draws its middle
// with, so stretched and line-drawn middles match; the new look is a flatter
// pill with a dark rim that the DCards scheme leaves unchanged.

#include "Drawing.h"

#include "ui/ButtonPalette.h"

#include <QColor>
#include <QImage>

#include <cmath>
#include <functional>

namespace {

using quarn::Rgb;

// Fraction of a pixel inside a rounded rectangle (4 x 4 samples).
double coverage(int px, int py, double width, double height, double radius, double inset) {
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const double x = px + (sx + 0.5) / 4.0;
            const double y = py + (sy + 0.5) / 4.0;
            const double left = inset, top = inset, right = width - inset, bottom = height - inset;
            const double r = std::max(0.0, radius - inset);
            if (x < left || x > right || y < top || y > bottom)
                continue;
            const double cx = x < left + r ? left + r : x > right - r ? right - r : x;
            const double cy = y < top + r ? top + r : y > bottom - r ? bottom - r : y;
            const double dx = x - cx, dy = y - cy;
            if (dx * dx + dy * dy <= r * r)
                ++inside;
        }
    }
    return inside / 16.0;
}

QRgb mix(Rgb a, Rgb b, double t, double alpha) {
    auto channel = [&](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgba(channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b),
                 int(std::lround(255 * alpha)));
}

// A whole button of the slice height, `side` px ends and a 2-px middle; the
// colour of an inner pixel is `body(row)`, the rim is `rim`.
QImage button(int side, int height, const std::function<Rgb(int)> &body, Rgb rim, double rimWidth) {
    const int width = 2 * side + 2;
    QImage image(width, height, QImage::Format_ARGB32);
    const double radius = side;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double outer = coverage(x, y, width, height, radius, 0);
            const double inner = coverage(x, y, width, height, radius, rimWidth);
            if (outer <= 0) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            const double innerShare = outer > 0 ? inner / outer : 0;
            image.setPixel(x, y, mix(rim, body(y), innerShare, outer));
        }
    }
    return image;
}

void addSlices(Output &out, const QString &set, const QImage &whole, int side) {
    const int h = whole.height();
    out.addPng(set + QStringLiteral("_L"), whole.copy(0, 0, side, h));
    out.addPng(set + QStringLiteral("_R"), whole.copy(side + 2, 0, side, h));
    out.addPng(set + QStringLiteral("_2"), whole.copy(side, 0, 2, h));
}

} // namespace

void drawButtonSlices(Output &out) {
    for (int nominal : {30, 45, 60}) {
        const int side = quarn::sliceSideWidth(nominal);
        const int height = quarn::sliceHeight(nominal);
        const std::vector<Rgb> rows = quarn::classicGradient(nominal);
        // Classic: the gradient rows inside, a rim in the top row's dark red.
        const QImage classic = button(
            side, height, [&](int y) { return rows[size_t(y)]; }, rows.front(), 1.0);
        addSlices(out, QString::fromStdString(quarn::sliceSetName(nominal, false)), classic, side);

        // New look: a light top half with a gloss line, a deep red bottom half.
        auto body = [&](int y) -> Rgb {
            const double t = double(y) / (height - 1);
            if (t < 0.12)
                return {255, 118, 118};
            if (t < 0.5) {
                const double u = (t - 0.12) / 0.38;
                return {255, int(std::lround(86 - 60 * u)), int(std::lround(86 - 60 * u))};
            }
            const double u = (t - 0.5) / 0.5;
            return {int(std::lround(228 - 44 * u)), int(std::lround(8 - 8 * u)),
                    int(std::lround(8 - 8 * u))};
        };
        const QImage fresh = button(side, height, body, Rgb{44, 44, 48}, 1.3);
        addSlices(out, QString::fromStdString(quarn::sliceSetName(nominal, true)), fresh, side);
    }
}
