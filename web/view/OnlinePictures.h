#pragma once
// The pictures of the chat, news and statistics parts that the program draws
// itself: the shelf "GPolkaNw" (the radio's, when built in), the panel icons
// "GNews072" and "GChat072", the frames of the lamps "GSirenaB" and
// "GSirenaR", the badge "GNew", the statistics picture "Stats", the figure
// display's frame "GClockBG", its icons and its digit sets "GRClock0" ...
// "GNClockM". Each is drawn once and kept.
#include <QImage>
#include <QString>

namespace quarn {

// A picture by name; null for a name it does not know.
QImage onlinePicture(const QString &name);

// The lamps' frames: `blue` for the news lamp, else red for the chat.
inline constexpr int kSirenaFrames = 8;
inline constexpr int kSirenaSide = 40;
QImage sirenaFrame(bool blue, int frame);

} // namespace quarn
