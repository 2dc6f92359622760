#pragma once
// Generated audio for the songs and radio stations the server offers when a
// club has put no music of its own into the data folder: short looping tunes
// as 16-bit mono PCM at 22050 Hz, wrapped in WAVE headers.
#include <QByteArray>

namespace server {

constexpr int kSampleRate = 22050;

// A WAVE header for 16-bit mono PCM; dataBytes 0xFFFFFFFF marks an endless stream.
QByteArray wavHeader(quint32 dataBytes);
// A tune of about `seconds` seconds, the same for the same seed; its end
// joins its start smoothly, so it can loop.
QByteArray tunePcm(int seed, int seconds);
// A whole WAVE file of a tune.
QByteArray tuneWav(int seed, int seconds);

} // namespace server
