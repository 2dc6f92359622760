#include "Art.h"
#include "Output.h"
#include "Pictures.h"

#include <QImage>

#include <algorithm>
#include <cmath>

namespace {

// A green baize: lighter under the lamp in the middle, darker at the rim,
// mottled, with a fine woollen grain.
QImage felt(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    art::Noise grain(7);
    const double cx = size.width() / 2.0;
    const double cy = size.height() * 0.47;
    const double reach = std::hypot(cx, cy);
    const double unit = size.width() / 760.0; // texture size follows the window
    const double light[3] = {0x2A, 0x8C, 0x4A};
    const double dark[3] = {0x07, 0x3A, 0x1C};
    for (int y = 0; y < size.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double d = std::hypot(x - cx, (y - cy) * 1.25) / reach;
            double t = std::clamp(1.0 - d * d * 1.1, 0.0, 1.0); // lamp light
            const double mottle = art::valueNoise(x / (90.0 * unit), y / (90.0 * unit), 3) * 0.6 +
                                  art::valueNoise(x / (28.0 * unit), y / (28.0 * unit), 5) * 0.4;
            const double fibre = art::valueNoise(x / (9.0 * unit), y / (1.6 * unit), 11);
            const double speck = grain.unit();
            double shade =
                0.92 + 0.1 * (mottle - 0.5) + 0.07 * (fibre - 0.5) + 0.06 * (speck - 0.5);
            int rgb[3];
            for (int c = 0; c < 3; ++c) {
                const double v = (dark[c] + (light[c] - dark[c]) * t) * shade;
                rgb[c] = std::clamp(int(std::lround(v)), 0, 255);
            }
            line[x] = qRgb(rgb[0], rgb[1], rgb[2]);
        }
    }
    return image;
}

} // namespace

void drawFelt(Output &out) {
    out.add(QStringLiteral("jpeg"), QStringLiteral("FonG"), felt(QSize(760, 500)));
    out.add(QStringLiteral("jpeg"), QStringLiteral("FonGB"), felt(QSize(1520, 1000)));
}
