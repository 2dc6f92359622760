#include "table/FlightPath.h"

#include "table/Scaling.h"

#include <cstdlib>

namespace quarn {

int flightSpeedFromSetting(int speed) {
    if (speed < slowestFlightSpeed || speed > fastestFlightSpeed)
        return 4;
    return speed;
}

int FlightPath::steps() const {
    const int dx = std::abs(to_.x() - from_.x());
    const int dy = std::abs(to_.y() - from_.y());
    return dx > dy ? dx : dy;
}

QPoint FlightPath::at(int step) const {
    const int n = steps();
    if (n == 0 || step <= 0)
        return from_;
    if (step >= n)
        return to_;
    const std::int64_t dx = to_.x() - from_.x();
    const std::int64_t dy = to_.y() - from_.y();
    return {from_.x() + int(roundHalfEven(dx * step, n)),
            from_.y() + int(roundHalfEven(dy * step, n))};
}

int pauseAfterStep(int speed, int step) {
    switch (flightSpeedFromSetting(speed)) {
    case 1:
        return 2;
    case 2:
        return 1;
    case 3:
        return step % 2 == 0 ? 1 : 0;
    case 4:
        return step % 3 == 0 ? 1 : 0;
    default:
        return 0;
    }
}

bool drawsStep(int speed, int step) {
    return !(flightSpeedFromSetting(speed) == 6 && step == 1);
}

bool needsFineTimer(int speed) {
    return flightSpeedFromSetting(speed) <= 4;
}

} // namespace quarn
