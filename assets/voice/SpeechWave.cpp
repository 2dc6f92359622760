#include "SpeechWave.h"

#include "../sounds/Synth.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kSilence = 250;           // sample level below which a sample counts as quiet
constexpr double kMarginSeconds = 0.02; // kept before and after the speech

struct Pcm {
    int rate = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t read32(const QByteArray &b, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(b.constData() + at);
}

std::uint16_t read16(const QByteArray &b, qsizetype at) {
    return qFromLittleEndian<std::uint16_t>(b.constData() + at);
}

// Reads the chunks in order; the data chunk runs to the end of the input
// (its length field is not trusted).
Pcm parse(const QByteArray &wave) {
    Pcm pcm;
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return pcm;
    qsizetype at = 12;
    bool format = false;
    while (at + 8 <= wave.size()) {
        const QByteArray id = wave.mid(at, 4);
        const std::uint32_t size = read32(wave, at + 4);
        if (id == "fmt ") {
            if (size < 16 || at + 8 + 16 > wave.size())
                return pcm;
            if (read16(wave, at + 8) != 1 || read16(wave, at + 10) != 1 ||
                read16(wave, at + 22) != 16)
                return pcm;
            pcm.rate = int(read32(wave, at + 12));
            format = true;
        } else if (id == "data") {
            if (!format || pcm.rate <= 0)
                return {};
            const qsizetype count = (wave.size() - at - 8) / 2;
            pcm.samples.resize(std::size_t(count));
            for (qsizetype i = 0; i < count; ++i)
                pcm.samples[std::size_t(i)] = std::int16_t(read16(wave, at + 8 + 2 * i));
            return pcm;
        }
        if (size > std::uint32_t(wave.size()))
            return {};
        at += 8 + qsizetype(size) + (size & 1);
    }
    return {};
}

std::vector<std::int16_t> trimmed(const std::vector<std::int16_t> &samples, int rate) {
    auto loud = [](std::int16_t s) { return std::abs(int(s)) > kSilence; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end())
        return {};
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    const std::ptrdiff_t margin = std::ptrdiff_t(kMarginSeconds * rate);
    const auto from = first - std::min(margin, first - samples.begin());
    const auto to = last + std::min(margin, samples.end() - last);
    return {from, to};
}

// Linear interpolation after a short low-pass, enough for speech.
std::vector<std::int16_t> resampled(const std::vector<std::int16_t> &in, int from, int to) {
    if (from == to || in.empty())
        return in;
    std::vector<double> smooth(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        const double before = in[i == 0 ? 0 : i - 1];
        const double after = in[i + 1 < in.size() ? i + 1 : i];
        smooth[i] = 0.25 * before + 0.5 * in[i] + 0.25 * after;
    }
    const std::size_t count = std::size_t(double(in.size()) * to / from);
    std::vector<std::int16_t> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double position = double(i) * from / to;
        const std::size_t left = std::min(std::size_t(position), in.size() - 1);
        const std::size_t right = std::min(left + 1, in.size() - 1);
        const double t = position - double(left);
        const double value = smooth[left] * (1 - t) + smooth[right] * t;
        out[i] = std::int16_t(std::clamp(std::lround(value), -32767L, 32767L));
    }
    return out;
}

} // namespace

QByteArray speechWave(const QByteArray &espeakOutput) {
    const Pcm pcm = parse(espeakOutput);
    if (pcm.rate <= 0)
        return {};
    const std::vector<std::int16_t> speech = trimmed(pcm.samples, pcm.rate);
    if (speech.empty())
        return {};
    return synth::waveFile(resampled(speech, pcm.rate, kVoiceRate), kVoiceRate);
}
