#pragma once
// A small mono synthesiser for the program's sound effects: tones with
// envelopes, filtered noise, and a WAVE writer. Everything is computed in
// floating point and scaled to 16 bits once, so mixing never clips.

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace synth {

inline constexpr int kRate = 22050;

enum class Wave { Sine, Triangle, Square, Saw };

// Attack, decay to the sustain level, hold, release (seconds).
struct Envelope {
    double attack = 0.005;
    double decay = 0.0;
    double sustain = 1.0;
    double release = 0.05;
    // Exponential fall after the attack instead of the flat sustain: a
    // plucked or struck sound. 0 = off; the time in seconds to fall to 1/e.
    double fall = 0.0;
};

struct Tone {
    double frequency = 440.0;
    double seconds = 0.2;
    double volume = 0.5;
    Wave wave = Wave::Sine;
    Envelope envelope;
    double glideTo = 0.0; // end frequency of a slide, 0 = none
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0; // fraction of the frequency
    // Extra partials (harmonic number, relative level) for bells and brass.
    std::vector<std::pair<double, double>> partials;
};

class Buffer {
  public:
    explicit Buffer(double seconds = 0.0);

    // Adds a tone starting at `at` seconds; the buffer grows as needed.
    void addTone(double at, const Tone &tone);
    // Adds band-limited noise (a one-pole low-pass and high-pass at the given
    // corners) with an exponential decay of `fall` seconds.
    void addNoise(double at, double seconds, double volume, double lowHz, double highHz,
                  double fall, unsigned seed);
    // Adds another buffer at `at` seconds scaled by `gain`.
    void mix(double at, const Buffer &other, double gain = 1.0);

    // Scales the whole sound so its peak is `peak` (0..1) and fades the last
    // few milliseconds to silence.
    void normalise(double peak = 0.85);

    const std::vector<float> &samples() const { return samples_; }
    double seconds() const { return double(samples_.size()) / kRate; }

  private:
    float &at(std::size_t index);
    std::vector<float> samples_;
};

// A complete RIFF WAVE file: PCM, 16-bit, mono, at `rate`.
QByteArray waveFile(const std::vector<float> &samples, int rate = kRate);
QByteArray waveFile(const std::vector<std::int16_t> &samples, int rate);

// MIDI note number to frequency (69 = 440 Hz).
double noteHz(int note);

} // namespace synth
