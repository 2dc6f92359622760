#pragma once
// Finding room on the main window for the radio indicator and the music
// buttons where the window's own controls leave it.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

namespace quarn {

// The place nearest to `wanted` (straight-line distance of the top left
// corners) where an area of `size` lies inside `bounds` and overlaps none of
// `taken`; `wanted` itself when it is free. Places are tried on a grid of
// `step` pixels through `wanted`. Nothing when no place is free.
std::optional<QPoint> nearestFreePlace(QPoint wanted, QSize size, const QRect &bounds,
                                       const std::vector<QRect> &taken, int step = 4);

} // namespace quarn
