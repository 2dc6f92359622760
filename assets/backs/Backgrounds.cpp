#include "Backgrounds.h"

#include "Art.h"
#include "Output.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <functional>

namespace backgrounds {
namespace {

const char *const variantCodes[variantCount] = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};

// The dark and light ends of each colour variant; a tone of 0 gives the
// dark colour, 1 the light one, above 1 a highlight towards white.
struct Ramp {
    QColor dark;
    QColor light;
};
const Ramp ramps[variantCount] = {
    {QColor(0x05, 0x34, 0x18), QColor(0x30, 0x96, 0x52)}, // green
    {QColor(0x38, 0x05, 0x08), QColor(0xB4, 0x2A, 0x2A)}, // red
    {QColor(0x48, 0x1C, 0x02), QColor(0xD6, 0x74, 0x1E)}, // orange
    {QColor(0x4A, 0x3A, 0x04), QColor(0xD8, 0xB6, 0x3E)}, // yellow
    {QColor(0x08, 0x38, 0x5A), QColor(0x4C, 0xA2, 0xDA)}, // light blue
    {QColor(0x03, 0x0A, 0x36), QColor(0x2C, 0x48, 0xA4)}, // dark blue
    {QColor(0x22, 0x07, 0x38), QColor(0x8C, 0x4C, 0xBA)}, // violet
};

// A grey-scale picture: one tone per pixel.
struct Tone {
    int width = 0;
    int height = 0;
    std::vector<float> values;
    float &at(int x, int y) { return values[std::size_t(y) * width + x]; }
};

Tone makeTone(QSize size, const std::function<float(int, int)> &toneAt) {
    Tone tone{size.width(), size.height(),
              std::vector<float>(std::size_t(size.width()) * size.height())};
    for (int y = 0; y < tone.height; ++y)
        for (int x = 0; x < tone.width; ++x)
            tone.at(x, y) = toneAt(x, y);
    return tone;
}

QImage colourise(const Tone &tone, const Ramp &ramp) {
    QImage image(tone.width, tone.height, QImage::Format_RGB32);
    const float dark[3] = {float(ramp.dark.red()), float(ramp.dark.green()),
                           float(ramp.dark.blue())};
    const float light[3] = {float(ramp.light.red()), float(ramp.light.green()),
                            float(ramp.light.blue())};
    for (int y = 0; y < tone.height; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const float *values = tone.values.data() + std::size_t(y) * tone.width;
        for (int x = 0; x < tone.width; ++x) {
            const float t = std::max(0.0f, values[x]);
            int rgb[3];
            for (int c = 0; c < 3; ++c) {
                float v = t <= 1.0f
                              ? dark[c] + (light[c] - dark[c]) * t
                              : light[c] + (255.0f - light[c]) * std::min(1.0f, (t - 1.0f) * 1.5f);
                rgb[c] = std::clamp(int(v + 0.5f), 0, 255);
            }
            line[x] = qRgb(rgb[0], rgb[1], rgb[2]);
        }
    }
    return image;
}

// A falling off of light towards the edges, as under a lamp.
float vignette(int x, int y, int w, int h, float strength) {
    const float dx = (x - w * 0.5f) / (w * 0.5f);
    const float dy = (y - h * 0.5f) / (h * 0.5f);
    return 1.0f - strength * (dx * dx * 0.6f + dy * dy * 0.4f);
}

float noise(double x, double y, unsigned seed) {
    return float(art::valueNoise(x, y, seed));
}

// Mottled felt with woollen grain (also the casino's cloth).
Tone feltTone(QSize size, unsigned seed) {
    const int w = size.width(), h = size.height();
    const double unit = w / 760.0;
    art::Noise grain(seed);
    return makeTone(size, [&](int x, int y) {
        const float mottle = noise(x / (90.0 * unit), y / (90.0 * unit), seed + 3) * 0.6f +
                             noise(x / (28.0 * unit), y / (28.0 * unit), seed + 5) * 0.4f;
        const float fibre = noise(x / (9.0 * unit), y / (1.6 * unit), seed + 11);
        const float speck = float(grain.unit());
        return 0.78f * vignette(x, y, w, h, 0.55f) + 0.12f * (mottle - 0.5f) +
               0.08f * (fibre - 0.5f) + 0.07f * (speck - 0.5f);
    });
}

// Rays from a sun above the middle of the top edge.
Tone sunTone(QSize size) {
    const int w = size.width(), h = size.height();
    const float cx = w * 0.5f, cy = -h * 0.12f;
    const float reach = std::hypot(float(w), float(h));
    art::Noise grain(17);
    return makeTone(size, [&](int x, int y) {
        const float dx = x - cx, dy = y - cy;
        const float d = std::sqrt(dx * dx + dy * dy) / reach;
        const float angle = std::atan2(dy, dx);
        const float ray = 0.5f + 0.5f * std::sin(angle * 36.0f);
        const float soft = ray * ray * (3 - 2 * ray);
        const float glow = std::max(0.0f, 1.0f - d * 1.3f);
        return 0.3f + 0.75f * glow + 0.16f * soft * (0.4f + glow) +
               0.02f * float(grain.unit() - 0.5);
    });
}

// A smooth diagonal gradient with a soft light; a trace of noise keeps the
// JPEG free of bands.
Tone gradientTone(QSize size) {
    const int w = size.width(), h = size.height();
    art::Noise grain(23);
    return makeTone(size, [&](int x, int y) {
        const float t = 0.62f * x / w + 0.38f * y / h;
        const float dx = (x - w * 0.3f) / w, dy = (y - h * 0.3f) / h;
        const float light = std::exp(-(dx * dx + dy * dy) * 3.0f);
        return 1.05f - 0.85f * t + 0.2f * light + 0.015f * float(grain.unit() - 0.5);
    });
}

// Plain weave: threads over and under each other, each yarn a little uneven.
Tone clothTone(QSize size) {
    const int w = size.width(), h = size.height();
    const float period = 6.0f * w / 1520.0f;
    art::Noise grain(29);
    return makeTone(size, [&](int x, int y) {
        const float u = x / period, v = y / period;
        const int cu = int(std::floor(u)), cv = int(std::floor(v));
        const bool warpOnTop = (cu + cv) % 2 == 0;
        const float across = warpOnTop ? u - cu : v - cv; // position across the thread on top
        const float along = warpOnTop ? v - cv : u - cu;
        const float profile =
            std::sqrt(std::max(0.0f, 1.0f - std::pow(2.0f * across - 1.0f, 2.0f)));
        const float bend = 1.0f - 0.25f * std::pow(2.0f * along - 1.0f, 2.0f);
        const float yarn =
            warpOnTop ? noise(cu * 0.7, v / 14.0, 31) : noise(u / 14.0, cv * 0.7, 37);
        const float body = 0.45f + 0.38f * profile * bend + 0.12f * (yarn - 0.5f);
        return body * vignette(x, y, w, h, 0.4f) + 0.1f + 0.03f * float(grain.unit() - 0.5);
    });
}

// A knotted carpet: rows of stepped lozenges inside a wide border.
Tone carpetTone(QSize size) {
    const int w = size.width(), h = size.height();
    const float knot = 4.0f * w / 1520.0f;
    const float cell = 40.0f * knot;
    const float border = 26.0f * knot;
    return makeTone(size, [&](int x, int y) {
        // Knots: the picture is quantised into small squares.
        const float kx = std::floor(x / knot) * knot, ky = std::floor(y / knot) * knot;
        const float edge = std::min(std::min(kx, w - kx), std::min(ky, h - ky));
        float level;
        if (edge < border) {
            const float band = edge / border;
            const float along = (edge == std::min(kx, w - kx) ? ky : kx) / (border * 0.9f);
            const float wave = std::abs(std::fmod(along, 2.0f) - 1.0f);
            level = band < 0.15f || band > 0.85f
                        ? 0.25f
                        : (std::abs(band - 0.5f) < wave * 0.3f ? 0.95f : 0.45f);
        } else {
            const float u = std::fmod((kx - border) / cell, 1.0f) - 0.5f;
            const float v = std::fmod((ky - border) / (cell * 1.2f), 1.0f) - 0.5f;
            const float d =
                std::abs(u) + std::abs(v); // lozenge distance, 0 in the middle of a cell
            const int ring = int(d * 9.0f);
            const float levels[6] = {1.0f, 0.5f, 0.8f, 0.35f, 0.65f, 0.55f};
            level = levels[std::min(ring, 5)];
        }
        const float wool = noise(x / (1.2 * knot), y / (1.2 * knot), 41);
        return level * 0.82f + 0.12f * (wool - 0.5f) + 0.05f;
    });
}

// Wooden planks, flat-sawn: growth rings in arches, pores along the grain,
// each plank a little lighter or darker than its neighbours.
Tone woodTone(QSize size) {
    const int w = size.width(), h = size.height();
    const float unit = w / 1520.0f;
    const float plank = h / 7.0f;
    const float length = 1100.0f * unit;
    return makeTone(size, [&](int x, int y) {
        const int index = int(y / plank);
        const float inPlank = y - index * plank;
        const float shift = index * 613.0f * unit;
        const float along = std::fmod(x + shift, length);
        const int board = int((x + shift) / length);
        const unsigned seed = unsigned(index * 31 + board * 7);
        const float heart = plank * (0.3f + 0.4f * noise(board * 0.71, index * 0.37, 53));
        const float dx = (along - length * (0.35f + 0.3f * noise(board * 0.53, index * 0.91, 97))) /
                         (length * 0.5f);
        const float warp = noise(x / (260.0 * unit), y / (60.0 * unit), 43 + seed) * 14.0f * unit;
        const float dy = inPlank - heart;
        const float r = std::sqrt(dy * dy + 60.0f * unit * unit) * (1.0f + 0.25f * dx) +
                        dx * dx * plank * 0.9f + warp;
        const float spacing = 11.0f * unit;
        const float phase = r / spacing - std::floor(r / spacing);
        const float late = std::clamp((phase - 0.62f) / 0.2f, 0.0f, 1.0f) *
                           std::clamp((1.0f - phase) / 0.18f, 0.0f, 1.0f);
        const float pores = noise(x / (30.0 * unit), y / (1.2 * unit), 59);
        float tone = 0.66f - 0.22f * late + 0.12f * (pores - 0.5f) +
                     0.12f * (noise(board * 1.3, index * 2.1, 61) - 0.5f);
        if (inPlank < 2.0f * unit || along < 2.0f * unit)
            tone *= 0.35f; // the seams between boards
        return tone * vignette(x, y, w, h, 0.35f);
    });
}

// Damask: a tone-on-tone motif repeated on a fine ground.
Tone patternTone(QSize size) {
    const int w = size.width(), h = size.height();
    const int tileW = int(120.0 * w / 1520.0), tileH = int(160.0 * w / 1520.0);
    QImage tile(tileW, tileH, QImage::Format_Grayscale8);
    tile.fill(0);
    {
        QPainter p(&tile);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        // An ogee lattice and a lily-like motif in each opening, and at the corners.
        for (const QPointF c : {QPointF(tileW / 2.0, tileH / 2.0), QPointF(0, 0), QPointF(tileW, 0),
                                QPointF(0, tileH), QPointF(tileW, tileH)}) {
            const qreal s = tileW * 0.22;
            QPainterPath leaf;
            leaf.moveTo(c + QPointF(0, -s * 1.4));
            leaf.cubicTo(c + QPointF(s * 0.8, -s * 0.6), c + QPointF(s * 0.6, s * 0.4),
                         c + QPointF(0, s * 1.2));
            leaf.cubicTo(c + QPointF(-s * 0.6, s * 0.4), c + QPointF(-s * 0.8, -s * 0.6),
                         c + QPointF(0, -s * 1.4));
            p.drawPath(leaf);
            for (int side : {-1, 1}) {
                QPainterPath curl;
                curl.moveTo(c + QPointF(0, s * 0.6));
                curl.cubicTo(c + QPointF(side * s * 1.2, s * 0.2),
                             c + QPointF(side * s * 1.6, -s * 0.8),
                             c + QPointF(side * s * 1.1, -s * 1.1));
                curl.cubicTo(c + QPointF(side * s * 1.3, -s * 0.5),
                             c + QPointF(side * s * 0.9, s * 0.3), c + QPointF(0, s * 0.9));
                p.drawPath(curl);
            }
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(160, 160, 160), tileW * 0.025));
        QPainterPath ogee;
        ogee.moveTo(tileW / 2.0, 0);
        ogee.cubicTo(tileW * 0.05, tileH * 0.2, tileW * 0.95, tileH * 0.8, tileW / 2.0, tileH);
        ogee.moveTo(tileW / 2.0, 0);
        ogee.cubicTo(tileW * 0.95, tileH * 0.2, tileW * 0.05, tileH * 0.8, tileW / 2.0, tileH);
        p.drawPath(ogee);
    }
    art::Noise grain(67);
    return makeTone(size, [&](int x, int y) {
        const float motif = tile.constScanLine(y % tileH)[x % tileW] / 255.0f;
        const float ground = 0.5f + 0.05f * float(((x + y) % 4) < 2); // a fine twill
        return (ground + 0.28f * motif) * vignette(x, y, w, h, 0.45f) + 0.12f +
               0.02f * float(grain.unit() - 0.5);
    });
}

// Silk: broad soft folds that catch the light, fine threads along them.
Tone silkTone(QSize size) {
    const int w = size.width();
    const double unit = w / 1520.0;
    return makeTone(size, [&](int x, int y) {
        const double flow = x / (520.0 * unit) +
                            1.8 * art::valueNoise(x / (600.0 * unit), y / (380.0 * unit), 71) +
                            y / (1400.0 * unit);
        const float fold = float(0.5 + 0.5 * std::sin(flow * 2 * M_PI));
        const float sheen = std::pow(fold, 3.0f);
        const float thread = noise(x / (1.4 * unit), y / (70.0 * unit), 73);
        return 0.35f + 0.45f * fold + 0.3f * sheen + 0.04f * (thread - 0.5f);
    });
}

// Ornament: a mottled ground for the drawn frame.
Tone ornamentTone(QSize size) {
    const int w = size.width(), h = size.height();
    const double unit = w / 1520.0;
    art::Noise grain(79);
    return makeTone(size, [&](int x, int y) {
        const float mottle = noise(x / (160.0 * unit), y / (160.0 * unit), 83) * 0.6f +
                             noise(x / (40.0 * unit), y / (40.0 * unit), 89) * 0.4f;
        return 0.72f * vignette(x, y, w, h, 0.5f) + 0.14f * (mottle - 0.5f) +
               0.02f * float(grain.unit() - 0.5);
    });
}

// The printed layout of a casino table: arcs, betting boxes, the dealer's place.
void printCasino(QImage &image) {
    const qreal u = image.width() / 1520.0;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0xF4, 0xDC, 0x8A, 200);
    p.setPen(QPen(ink, 5 * u));
    p.setBrush(Qt::NoBrush);
    const QPointF centre(image.width() / 2.0, -image.height() * 0.55);
    for (const qreal radius : {1180.0, 1120.0, 760.0})
        p.drawEllipse(centre, radius * u * 1.05, radius * u);
    // Seven betting boxes along the outer band.
    for (int i = 0; i < 7; ++i) {
        const qreal a = qDegreesToRadians(90.0 + (i - 3) * 14.0);
        const QPointF at = centre + QPointF(std::cos(a) * 1290 * u * 1.05, std::sin(a) * 1290 * u);
        p.save();
        p.translate(at);
        p.rotate((i - 3) * 14.0);
        p.drawRoundedRect(QRectF(-55 * u, -40 * u, 110 * u, 80 * u), 14 * u, 14 * u);
        p.restore();
    }
    // The dealer's place and the chip rack at the top edge.
    p.drawRoundedRect(QRectF(image.width() / 2.0 - 200 * u, -20 * u, 400 * u, 90 * u), 20 * u,
                      20 * u);
    for (int i = 0; i < 8; ++i)
        p.drawLine(QPointF(image.width() / 2.0 - 180 * u + i * 51 * u, 0),
                   QPointF(image.width() / 2.0 - 180 * u + i * 51 * u, 60 * u));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int i = 0; i < 4; ++i) {
        const qreal side = 34 * u;
        const QPointF at(image.width() / 2.0 + (i - 1.5) * 90 * u - side / 2, 300 * u);
        p.drawPath(art::suitPath(i + 1, QRectF(at, QSizeF(side, side))));
    }
}

// A drawn frame of arabesques in the variant's light colour.
void drawOrnament(QImage &image, const Ramp &ramp) {
    const qreal u = image.width() / 1520.0;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QColor line = ramp.light.lighter(150);
    line.setAlpha(150);
    const QRectF outer(40 * u, 40 * u, image.width() - 80 * u, image.height() - 80 * u);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, 6 * u));
    p.drawRect(outer);
    p.setPen(QPen(line, 2.5 * u));
    p.drawRect(outer.adjusted(18 * u, 18 * u, -18 * u, -18 * u));
    // Running scrolls between the two rules.
    p.setPen(QPen(line, 3 * u));
    const qreal step = 60 * u;
    auto scrolls = [&](QPointF from, QPointF direction, qreal length, QPointF normal) {
        for (qreal s = step; s < length - step / 2; s += step) {
            const QPointF a = from + direction * s;
            QPainterPath wave(a);
            wave.cubicTo(a + direction * step * 0.3 + normal * 10 * u,
                         a + direction * step * 0.7 - normal * 10 * u, a + direction * step);
            p.drawPath(wave);
            p.drawEllipse(a + normal * 4 * u, 2.5 * u, 2.5 * u);
        }
    };
    const QPointF o = outer.topLeft() + QPointF(9 * u, 9 * u);
    scrolls(o, QPointF(1, 0), outer.width() - 18 * u, QPointF(0, 1));
    scrolls(QPointF(o.x(), outer.bottom() - 9 * u), QPointF(1, 0), outer.width() - 18 * u,
            QPointF(0, 1));
    scrolls(o, QPointF(0, 1), outer.height() - 18 * u, QPointF(1, 0));
    scrolls(QPointF(outer.right() - 9 * u, o.y()), QPointF(0, 1), outer.height() - 18 * u,
            QPointF(1, 0));
    // Corner arabesques.
    p.setPen(QPen(line, 4 * u));
    for (int corner = 0; corner < 4; ++corner) {
        p.save();
        p.translate(corner % 2 ? outer.right() : outer.left(),
                    corner < 2 ? outer.top() : outer.bottom());
        p.scale(corner % 2 ? -1 : 1, corner < 2 ? 1 : -1);
        for (int k = 0; k < 3; ++k) {
            QPainterPath curl(QPointF(0, 0));
            const qreal s = (1.0 + k * 0.5) * 60 * u;
            curl.cubicTo(s * 1.6, s * 0.1, s * 1.8, s * 1.2, s * 1.1, s * 1.1);
            curl.cubicTo(s * 0.6, s * 1.0, s * 0.7, s * 0.5, s * 1.0, s * 0.6);
            p.drawPath(curl);
            QTransform mirror(0, 1, 1, 0, 0, 0);
            p.drawPath(mirror.map(curl));
        }
        p.restore();
    }
    // The central rosette.
    const QPointF c(image.width() / 2.0, image.height() / 2.0);
    for (int i = 0; i < 16; ++i) {
        p.save();
        p.translate(c);
        p.rotate(22.5 * i);
        p.drawEllipse(QPointF(0, -95 * u), 22 * u, 90 * u);
        p.restore();
    }
    p.drawEllipse(c, 40 * u, 40 * u);
    p.drawEllipse(c, 200 * u, 200 * u);
}

Tone toneOf(int picture, QSize size) {
    switch (picture) {
    case 1:
        return sunTone(size);
    case 2:
        return feltTone(size, 7);
    case 3:
        return gradientTone(size);
    case 4:
        return clothTone(size);
    case 5:
        return carpetTone(size);
    case 6:
        return woodTone(size);
    case 7:
        return feltTone(size, 13);
    case 8:
        return patternTone(size);
    case 9:
        return silkTone(size);
    default:
        return ornamentTone(size);
    }
}

QByteArray jpeg(const QImage &image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image))
        return {};
    return bytes;
}

} // namespace

QString resourceName(int picture, int variant, bool large) {
    return QStringLiteral("Fon%1").arg(picture, 2, 10, QLatin1Char('0')) +
           QLatin1String(variantCodes[std::clamp(variant, 0, variantCount - 1)]) +
           (large ? QStringLiteral("B") : QString());
}

std::vector<QImage> drawPicture(int picture) {
    const Tone tone = toneOf(picture, largeSize);
    std::vector<QImage> variants;
    for (int variant = 0; variant < variantCount; ++variant) {
        QImage image = colourise(tone, ramps[variant]);
        if (picture == 7)
            printCasino(image);
        else if (picture == 10)
            drawOrnament(image, ramps[variant]);
        variants.push_back(image);
    }
    return variants;
}

bool drawAll(Output &out, int quality) {
    bool ok = true;
    for (int picture = 1; picture <= pictureCount; ++picture) {
        const std::vector<QImage> variants = drawPicture(picture);
        for (int variant = 0; variant < variantCount; ++variant) {
            const QImage &large = variants[variant];
            const QImage small =
                large.scaled(smallSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QString jpg = QStringLiteral("jpg");
            ok = out.addBytes(QStringLiteral("jpeg"), resourceName(picture, variant, false),
                              jpeg(small, quality), jpg) &&
                 ok;
            ok = out.addBytes(QStringLiteral("jpeg"), resourceName(picture, variant, true),
                              jpeg(large, quality), jpg) &&
                 ok;
        }
    }
    return ok;
}

} // namespace backgrounds
