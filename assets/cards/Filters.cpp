#include "Filters.h"

#include <algorithm>
#include <cmath>

namespace cards {

namespace {

int luminance(QRgb c) {
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

QColor mix(const QColor &a, const QColor &b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QRgb apply(QRgb c, const Treatment &t) {
    const int l = luminance(c);
    switch (t.filter) {
    case Filter::Sepia: {
        const int r = std::min(255, int(l * 1.07 + 20));
        const int g = std::min(255, int(l * 0.95 + 8));
        const int b = std::min(255, int(l * 0.72));
        return qRgb(r, g, b);
    }
    case Filter::Duotone:
        return mix(t.ink, t.paper, l / 255.0).rgb();
    case Filter::Engrave: {
        // A steep curve between ink and paper so the figure reads like a print.
        const double x = l / 255.0;
        const double curve = x * x * (3 - 2 * x);
        return mix(t.ink, t.paper, std::clamp(curve * 1.1 - 0.05, 0.0, 1.0)).rgb();
    }
    case Filter::Hue: {
        QColor colour = QColor::fromRgb(c);
        // Greys and skin tones keep their colour: only clothes and ornaments turn.
        const int h0 = colour.hsvHue();
        if (colour.hsvSaturation() < 20 || (h0 >= 12 && h0 <= 45 && colour.hsvSaturation() < 170))
            return c;
        const int h = (colour.hsvHue() + t.degrees % 360 + 360) % 360;
        return QColor::fromHsv(h, colour.hsvSaturation(), colour.value()).rgb();
    }
    case Filter::Pastel:
        return mix(QColor::fromRgb(c), t.ink, 0.35).rgb();
    case Filter::Vivid: {
        QColor colour = QColor::fromRgb(c);
        const int s = std::min(255, int(colour.hsvSaturation() * 1.35));
        const int v = std::clamp(int((colour.value() - 128) * 1.15 + 128), 0, 255);
        return QColor::fromHsv(colour.hsvHue(), s, v).rgb();
    }
    case Filter::None:
        break;
    }
    return c;
}

} // namespace

QImage treated(const QImage &picture, const Treatment &treatment) {
    if (treatment.filter == Filter::None || picture.isNull())
        return picture;
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a == 0)
                continue;
            const QRgb done = apply(line[x], treatment);
            line[x] = qRgba(qRed(done), qGreen(done), qBlue(done), a);
        }
    }
    return out;
}

} // namespace cards
