#include "radio/view/FreePlace.h"

#include <algorithm>
#include <cstdint>

namespace quarn {

std::optional<QPoint> nearestFreePlace(QPoint wanted, QSize size, const QRect &bounds,
                                       const std::vector<QRect> &taken, int step) {
    const auto isFree = [&](QPoint at) {
        const QRect area(at, size);
        if (!bounds.contains(area))
            return false;
        return std::none_of(taken.begin(), taken.end(),
                            [&area](const QRect &other) { return area.intersects(other); });
    };
    if (isFree(wanted))
        return wanted;
    step = std::max(step, 1);
    // The grid's first line at or right of (below) the bounds' edge.
    const auto firstOnGrid = [step](int from, int through) {
        const int offset = ((through - from) % step + step) % step;
        return from + offset;
    };
    std::optional<QPoint> best;
    std::int64_t bestDistance = 0;
    for (int y = firstOnGrid(bounds.top(), wanted.y()); y + size.height() <= bounds.bottom() + 1;
         y += step)
        for (int x = firstOnGrid(bounds.left(), wanted.x()); x + size.width() <= bounds.right() + 1;
             x += step) {
            const std::int64_t dx = x - wanted.x();
            const std::int64_t dy = y - wanted.y();
            const std::int64_t distance = dx * dx + dy * dy;
            if ((!best || distance < bestDistance) && isFree(QPoint(x, y))) {
                best = QPoint(x, y);
                bestDistance = distance;
            }
        }
    return best;
}

} // namespace quarn
