#pragma once
// Animated GIFs: the program's own animations (drawn at build time) and the
// films of recorded hands. Each frame is reduced to its own palette of at
// most 256 colours by libimagequant and written by giflib; the animation
// loops.
//
// A frame may cover only part of the animation's screen (a film stores only
// the rectangle that changed since the frame before); it is then drawn over
// what the earlier frames left. With transparency on, every frame replaces
// the whole screen and pixels under half opacity stay transparent.
//
//   std::vector<GifFrame> frames{{first, {0, 0}, 200}, {change, {40, 60}, 200}};
//   const QByteArray gif = encodeAnimatedGif(frames, {});
//   writeAnimatedGif(path, frames, {});   // through a temporary file

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <vector>

namespace quarn {

struct GifFrame {
    QImage picture;
    QPoint at{0, 0}; // top left of the picture on the animation's screen
    int delayMs = 100;
};

struct GifOptions {
    QSize screen;              // empty: the size of the first frame
    bool transparency = false; // frames with transparent pixels, each replacing the last
    int speed = 8;             // libimagequant speed, 1 (best) to 10 (fastest)
};

// A frame's display time in the hundredths of a second a GIF stores,
// rounded, at least 1.
int gifDelayCentiseconds(int delayMs);

// The whole GIF file, or an empty array when there is nothing to write or
// the encoder failed.
QByteArray encodeAnimatedGif(const std::vector<GifFrame> &frames, const GifOptions &options);

// Writes the GIF through a temporary file in the target's folder, renamed
// over the target only when complete: a failure leaves no partial file and
// keeps an older file of that name. False when it could not be written.
bool writeAnimatedGif(const QString &path, const std::vector<GifFrame> &frames,
                      const GifOptions &options);

// The build-time animations: whole frames with transparency, one delay each.
bool writeAnimatedGif(const QString &path, const std::vector<QImage> &frames, int delayMs);

} // namespace quarn
