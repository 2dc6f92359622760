#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {

namespace {

double oscillator(Wave wave, double phase) {
    const double p = phase - std::floor(phase);
    switch (wave) {
    case Wave::Sine:
        return std::sin(2.0 * std::numbers::pi * p);
    case Wave::Triangle:
        return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
    case Wave::Square:
        // A softened square: the sum of its first odd harmonics.
        return (std::sin(2 * std::numbers::pi * p) + std::sin(6 * std::numbers::pi * p) / 3 +
                std::sin(10 * std::numbers::pi * p) / 5) *
               0.8;
    case Wave::Saw: {
        double sum = 0;
        for (int h = 1; h <= 8; ++h)
            sum += std::sin(2 * std::numbers::pi * p * h) / h;
        return sum * 0.55;
    }
    }
    return 0.0;
}

double envelopeAt(const Envelope &e, double t, double length) {
    double level;
    if (t < e.attack)
        level = t / e.attack;
    else if (e.fall > 0)
        level = std::exp(-(t - e.attack) / e.fall);
    else if (t < e.attack + e.decay)
        level = 1.0 - (1.0 - e.sustain) * (t - e.attack) / e.decay;
    else
        level = e.sustain;
    const double untilEnd = length - t;
    if (untilEnd < e.release)
        level *= std::max(0.0, untilEnd / e.release);
    return level;
}

unsigned nextRandom(unsigned &state) {
    state = state * 1664525u + 1013904223u;
    return state;
}

} // namespace

Buffer::Buffer(double seconds) : samples_(std::size_t(std::max(0.0, seconds) * kRate), 0.0f) {}

float &Buffer::at(std::size_t index) {
    if (index >= samples_.size())
        samples_.resize(index + 1, 0.0f);
    return samples_[index];
}

void Buffer::addTone(double start, const Tone &tone) {
    const std::size_t first = std::size_t(start * kRate);
    const std::size_t count = std::size_t(tone.seconds * kRate);
    double phase = 0.0;
    std::vector<double> partialPhases(tone.partials.size(), 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / kRate;
        double f = tone.frequency;
        if (tone.glideTo > 0)
            f = tone.frequency * std::pow(tone.glideTo / tone.frequency, t / tone.seconds);
        if (tone.vibratoHz > 0)
            f *= 1.0 + tone.vibratoDepth * std::sin(2 * std::numbers::pi * tone.vibratoHz * t);
        phase += f / kRate;
        double value = oscillator(tone.wave, phase);
        for (std::size_t p = 0; p < tone.partials.size(); ++p) {
            partialPhases[p] += f * tone.partials[p].first / kRate;
            // Higher partials of a struck sound die away sooner.
            const double damping =
                tone.envelope.fall > 0
                    ? std::exp(-t * tone.partials[p].first / (4 * tone.envelope.fall))
                    : 1.0;
            value += tone.partials[p].second * damping *
                     std::sin(2 * std::numbers::pi * partialPhases[p]);
        }
        at(first + i) += float(value * tone.volume * envelopeAt(tone.envelope, t, tone.seconds));
    }
}

void Buffer::addNoise(double start, double seconds, double volume, double lowHz, double highHz,
                      double fall, unsigned seed) {
    const std::size_t first = std::size_t(start * kRate);
    const std::size_t count = std::size_t(seconds * kRate);
    const double lowPass = 1.0 - std::exp(-2 * std::numbers::pi * highHz / kRate);
    const double highPass = 1.0 - std::exp(-2 * std::numbers::pi * lowHz / kRate);
    double smooth = 0.0;
    double slow = 0.0;
    unsigned state = seed * 2654435761u + 7u;
    for (std::size_t i = 0; i < count; ++i) {
        const double white = double(nextRandom(state) >> 8) / double(1u << 24) * 2.0 - 1.0;
        smooth += lowPass * (white - smooth);
        slow += highPass * (smooth - slow);
        const double t = double(i) / kRate;
        double level = std::min(1.0, t / 0.001) * (fall > 0 ? std::exp(-t / fall) : 1.0);
        const double untilEnd = seconds - t;
        if (untilEnd < 0.005)
            level *= untilEnd / 0.005;
        at(first + i) += float((smooth - slow) * volume * level);
    }
}

void Buffer::mix(double start, const Buffer &other, double gain) {
    const std::size_t first = std::size_t(start * kRate);
    for (std::size_t i = 0; i < other.samples_.size(); ++i)
        at(first + i) += float(other.samples_[i] * gain);
}

void Buffer::normalise(double peak) {
    float highest = 0.0f;
    for (float s : samples_)
        highest = std::max(highest, std::abs(s));
    if (highest <= 0.0f)
        return;
    const float scale = float(peak) / highest;
    const std::size_t fade = std::min<std::size_t>(samples_.size(), kRate / 200);
    for (std::size_t i = 0; i < samples_.size(); ++i) {
        samples_[i] *= scale;
        const std::size_t left = samples_.size() - i;
        if (left <= fade)
            samples_[i] *= float(left - 1) / float(fade);
    }
}

QByteArray waveFile(const std::vector<float> &samples, int rate) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (float s : samples)
        pcm.push_back(std::int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f)));
    return waveFile(pcm, rate);
}

QByteArray waveFile(const std::vector<std::int16_t> &samples, int rate) {
    QByteArray out;
    auto put32 = [&out](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xFF));
    };
    auto put16 = [&out](std::uint16_t v) {
        out.append(char(v & 0xFF));
        out.append(char(v >> 8));
    };
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    out.append("RIFF");
    put32(36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(std::uint32_t(rate));
    put32(std::uint32_t(rate * 2));
    put16(2);
    put16(16);
    out.append("data");
    put32(dataBytes);
    for (std::int16_t s : samples)
        put16(std::uint16_t(s));
    return out;
}

double noteHz(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

} // namespace synth
