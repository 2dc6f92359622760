#pragma once
// The path and the pace of a flying card: it moves one pixel at a time along
// the longer of the two distances, the other coordinate interpolated; after
// each step it pauses by the flight speed (1 slowest to 6 fastest).

#include <QPoint>

namespace quarn {

inline constexpr int slowestFlightSpeed = 1;
inline constexpr int fastestFlightSpeed = 6;

// A speed read from anywhere; values outside 1 to 6 give the default 4.
int flightSpeedFromSetting(int speed);

class FlightPath {
  public:
    FlightPath(QPoint from, QPoint to) : from_(from), to_(to) {}

    // The number of one-pixel steps from start to end (0 when they coincide).
    int steps() const;
    // The card's top left after step i (0 is the start, steps() the end).
    QPoint at(int step) const;

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }

  private:
    QPoint from_;
    QPoint to_;
};

// The pause in milliseconds after step i (counted from 1) at a speed.
int pauseAfterStep(int speed, int step);
// Whether step i is drawn at a speed (speed 6 skips the first step).
bool drawsStep(int speed, int step);
// Speeds 1 to 4 want the 1 ms timer resolution.
bool needsFineTimer(int speed);

} // namespace quarn
