#pragma once
// Bilinear resampling of pictures (the button's ends at odd heights, the
// scroll of the game information window). Only RGB and RGBA pictures are
// resampled.

#include <QImage>
#include <QSize>

namespace quarn {

enum class ResampleResult {
    Done,
    UnsupportedFormat, // "Only COLOR_RGBALPHA and COLOR_RGB formats are supported"
    TooSmall,          // a source or target side below 2 px: skipped
};

inline constexpr const char *resampleFormatMessage =
    "Only COLOR_RGBALPHA and COLOR_RGB formats are supported";

bool isRgbOrRgba(const QImage &image);

// The picture resampled to `size` (premultiplied ARGB); null unless Done.
QImage resampleBilinear(const QImage &source, QSize size, ResampleResult *result = nullptr);

} // namespace quarn
