#include "server/Synth.h"

#include <QtEndian>

#include <cmath>
#include <random>

namespace server {
namespace {

void appendLe32(QByteArray &out, quint32 v) {
    char bytes[4];
    qToLittleEndian(v, bytes);
    out.append(bytes, 4);
}

void appendLe16(QByteArray &out, quint16 v) {
    char bytes[2];
    qToLittleEndian(v, bytes);
    out.append(bytes, 2);
}

} // namespace

QByteArray wavHeader(quint32 dataBytes) {
    QByteArray h("RIFF");
    appendLe32(h, dataBytes == 0xFFFFFFFFu ? 0xFFFFFFFFu : dataBytes + 36);
    h += "WAVEfmt ";
    appendLe32(h, 16);
    appendLe16(h, 1); // PCM
    appendLe16(h, 1); // mono
    appendLe32(h, kSampleRate);
    appendLe32(h, kSampleRate * 2);
    appendLe16(h, 2);
    appendLe16(h, 16);
    h += "data";
    appendLe32(h, dataBytes);
    return h;
}

QByteArray tunePcm(int seed, int seconds) {
    // Notes of a pentatonic scale, a quarter note each, with a soft attack
    // and decay so that no note (and no loop) clicks.
    static constexpr double kScale[] = {261.63, 293.66, 329.63, 392.00, 440.00,
                                        523.25, 587.33, 659.25, 783.99, 880.00};
    std::mt19937 random(static_cast<unsigned>(seed) * 2654435761u + 1u);
    const int tempo = 90 + int(random() % 60);
    const int noteSamples = kSampleRate * 60 / tempo;
    const int notes = std::max(1, seconds * kSampleRate / noteSamples);
    QByteArray pcm;
    pcm.reserve(qsizetype(notes) * noteSamples * 2);
    int degree = int(random() % 5);
    for (int n = 0; n < notes; ++n) {
        degree = std::clamp(degree + int(random() % 5) - 2, 0, 9);
        const double frequency = kScale[degree];
        const double bass = kScale[degree % 5] / 2;
        for (int i = 0; i < noteSamples; ++i) {
            const double t = double(i) / kSampleRate;
            const double attack = std::min(1.0, i / 400.0);
            const double decay = std::exp(-3.0 * i / noteSamples) * (1.0 - double(i) / noteSamples);
            const double v =
                attack * decay *
                (0.55 * std::sin(2 * M_PI * frequency * t) + 0.25 * std::sin(2 * M_PI * bass * t));
            appendLe16(pcm, quint16(qint16(std::lround(v * 12000))));
        }
    }
    return pcm;
}

QByteArray tuneWav(int seed, int seconds) {
    const QByteArray pcm = tunePcm(seed, seconds);
    return wavHeader(quint32(pcm.size())) + pcm;
}

} // namespace server
