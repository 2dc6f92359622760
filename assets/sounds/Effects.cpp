// The sound effects, each built from a few tones and noise bursts.
#include "Effects.h"

#include <cmath>

namespace {

using synth::Buffer;
using synth::Envelope;
using synth::noteHz;
using synth::Tone;
using synth::Wave;

// A struck bell-like note: sine with a few inharmonic partials.
Tone bell(int note, double seconds, double volume, double fall) {
    Tone t;
    t.frequency = noteHz(note);
    t.seconds = seconds;
    t.volume = volume;
    t.envelope = Envelope{0.002, 0, 1, 0.03, fall};
    t.partials = {{2.0, 0.35}, {3.0, 0.12}, {4.2, 0.08}};
    return t;
}

// A soft mallet note (marimba-like).
Tone mallet(int note, double seconds, double volume) {
    Tone t;
    t.frequency = noteHz(note);
    t.seconds = seconds;
    t.volume = volume;
    t.envelope = Envelope{0.003, 0, 1, 0.04, seconds / 3.5};
    t.partials = {{4.0, 0.25}, {10.0, 0.05}};
    return t;
}

// A brass-like note: a saw with a slow attack and a little vibrato.
Tone brass(int note, double seconds, double volume) {
    Tone t;
    t.frequency = noteHz(note);
    t.seconds = seconds;
    t.volume = volume;
    t.wave = Wave::Saw;
    t.envelope = Envelope{0.03, 0.08, 0.75, 0.08, 0};
    t.vibratoHz = 5.5;
    t.vibratoDepth = 0.006;
    return t;
}

// One card hitting the table: a short bright slap with a soft thump under it.
Buffer cardSnap(unsigned seed) {
    Buffer b;
    b.addNoise(0.0, 0.09, 0.9, 900, 6500, 0.018, seed);
    Tone thump;
    thump.frequency = 170;
    thump.glideTo = 90;
    thump.seconds = 0.07;
    thump.volume = 0.45;
    thump.envelope = Envelope{0.001, 0, 1, 0.02, 0.02};
    b.addTone(0.0, thump);
    return b;
}

// A coin landing: a metallic ring with a couple of bounces.
Buffer coin(unsigned seed, double pitch) {
    Buffer b;
    const double bounces[] = {0.0, 0.11, 0.18, 0.225};
    const double levels[] = {1.0, 0.55, 0.35, 0.2};
    for (int i = 0; i < 4; ++i) {
        b.addNoise(bounces[i], 0.01, 0.35 * levels[i], 2000, 9000, 0.003, seed + unsigned(i));
        Tone ring;
        ring.frequency = 2100 * pitch;
        ring.seconds = 0.35 - bounces[i];
        ring.volume = 0.28 * levels[i];
        ring.envelope = Envelope{0.001, 0, 1, 0.03, 0.07};
        ring.partials = {{1.51, 0.7}, {2.37, 0.4}};
        b.addTone(bounces[i], ring);
    }
    return b;
}

Buffer shuffleRiffle() {
    // The riffle: many card edges, quick and getting quicker, then the
    // squared-up deck tapped twice.
    Buffer b;
    double t = 0.0;
    for (int i = 0; i < 32; ++i) {
        b.addNoise(t, 0.025, 0.35 + 0.01 * (i % 5), 1500, 7000, 0.006, 100u + unsigned(i));
        t += 0.026 - 0.0004 * i;
    }
    b.mix(t + 0.08, cardSnap(7), 0.8);
    b.mix(t + 0.2, cardSnap(9), 0.65);
    return b;
}

Buffer coinsCollected() {
    // A handful of coins swept together: a run of quick clinks over a slide.
    Buffer b;
    b.addNoise(0.0, 0.55, 0.12, 2500, 8000, 0.3, 55);
    const double offsets[] = {0.0, 0.06, 0.1, 0.17, 0.21, 0.3, 0.36};
    const double pitches[] = {1.0, 1.12, 0.94, 1.2, 1.05, 0.9, 1.15};
    for (int i = 0; i < 7; ++i) {
        Buffer clink = coin(200u + unsigned(i) * 11u, pitches[i]);
        b.mix(offsets[i], clink, 0.55);
    }
    return b;
}

Buffer arpeggio(const std::vector<int> &notes, double step, double noteSeconds, double volume) {
    Buffer b;
    for (std::size_t i = 0; i < notes.size(); ++i)
        b.addTone(step * double(i), bell(notes[i], noteSeconds, volume, noteSeconds / 3));
    return b;
}

Buffer handWon() {
    return arpeggio({72, 76, 79, 84}, 0.09, 0.6, 0.4);
}

Buffer handLost() {
    Buffer b;
    const int notes[] = {67, 63, 60};
    for (int i = 0; i < 3; ++i)
        b.addTone(0.16 * i, mallet(notes[i], 0.45, 0.45));
    return b;
}

Buffer matchWon() {
    Buffer b = arpeggio({67, 72, 76, 79}, 0.1, 0.5, 0.35);
    for (int note : {72, 76, 79, 84})
        b.addTone(0.42, bell(note, 0.9, 0.2, 0.35));
    return b;
}

Buffer matchLost() {
    // A sliding "wah-wah" falling a tone each time.
    Buffer b;
    const int notes[] = {62, 61, 60};
    for (int i = 0; i < 3; ++i) {
        Tone t = brass(notes[i] - 12, i == 2 ? 0.7 : 0.3, 0.4);
        if (i == 2) {
            t.vibratoHz = 6;
            t.vibratoDepth = 0.02;
            t.glideTo = noteHz(notes[i] - 13);
        }
        b.addTone(0.32 * i, t);
    }
    return b;
}

Buffer fanfare() {
    // Three short calls and a long chord, on a brass section.
    Buffer b;
    struct Note {
        double at, seconds;
        int note;
    };
    const Note melody[] = {{0.0, 0.14, 67},  {0.16, 0.14, 67}, {0.32, 0.14, 67},
                           {0.48, 0.42, 72}, {0.92, 0.16, 67}, {1.1, 0.9, 76}};
    for (const Note &n : melody) {
        b.addTone(n.at, brass(n.note, n.seconds, 0.32));
        b.addTone(n.at, brass(n.note - 12, n.seconds, 0.16));
    }
    for (int note : {60, 64, 67, 72})
        b.addTone(1.1, brass(note, 0.9, 0.12));
    b.addNoise(1.1, 0.8, 0.08, 3000, 9000, 0.25, 77); // a cymbal
    return b;
}

Buffer goodPlace() {
    Buffer b = arpeggio({64, 67, 71}, 0.14, 0.55, 0.35);
    for (int note : {62, 67, 71, 74})
        b.addTone(0.48, bell(note, 0.8, 0.18, 0.3));
    return b;
}

Buffer noPlace() {
    Buffer b;
    b.addTone(0.0, mallet(57, 0.4, 0.5));
    b.addTone(0.28, mallet(53, 0.55, 0.5));
    return b;
}

Buffer windowOpens() {
    // A soft tick with a breath of air.
    Buffer b;
    b.addNoise(0.0, 0.12, 0.25, 400, 3000, 0.04, 31);
    Tone t;
    t.frequency = 1200;
    t.glideTo = 1800;
    t.seconds = 0.05;
    t.volume = 0.3;
    t.envelope = Envelope{0.002, 0, 1, 0.02, 0.015};
    b.addTone(0.0, t);
    return b;
}

Buffer success() {
    Buffer b;
    b.addTone(0.0, bell(79, 0.35, 0.4, 0.12));
    b.addTone(0.12, bell(84, 0.5, 0.4, 0.18));
    return b;
}

Buffer refusal() {
    // Two low, dull bonks.
    Buffer b;
    for (int i = 0; i < 2; ++i) {
        Tone t;
        t.frequency = 196;
        t.seconds = 0.12;
        t.volume = 0.45;
        t.wave = Wave::Square;
        t.envelope = Envelope{0.003, 0, 1, 0.03, 0.05};
        b.addTone(0.14 * i, t);
    }
    return b;
}

Buffer tick(double hz, double volume) {
    Buffer b;
    Tone t;
    t.frequency = hz;
    t.seconds = 0.06;
    t.volume = volume;
    t.envelope = Envelope{0.001, 0, 1, 0.01, 0.012};
    t.partials = {{2.7, 0.4}};
    b.addTone(0.0, t);
    b.addNoise(0.0, 0.02, volume * 0.5, 2000, 8000, 0.003, unsigned(hz));
    return b;
}

Buffer urgentTick() {
    // The last seconds: a higher tick answered by a second one.
    Buffer b = tick(1600, 0.5);
    b.mix(0.12, tick(1600, 0.35));
    return b;
}

} // namespace

std::vector<Effect> makeEffects() {
    std::vector<Effect> effects;
    auto add = [&effects](const char *name, Buffer b, double peak) {
        b.normalise(peak);
        effects.push_back({QString::fromLatin1(name), b.samples()});
    };
    add("WTasoKo", shuffleRiffle(), 0.7);
    add("WHodsDo", cardSnap(3), 0.75);
    add("WHodBer", coin(11, 1.0), 0.7);
    add("WHodOtb", coinsCollected(), 0.7);
    add("WKoGutX", handWon(), 0.75);
    add("WKoBadX", handLost(), 0.7);
    add("WKoGood", matchWon(), 0.75);
    add("WKoBads", matchLost(), 0.7);
    add("WFiBest", fanfare(), 0.8);
    add("WFiGood", goodPlace(), 0.75);
    add("WFiBads", noPlace(), 0.7);
    add("WOpenFo", windowOpens(), 0.55);
    add("WToMenK", success(), 0.7);
    add("WWrongs", refusal(), 0.65);
    add("STimerA", tick(1000, 0.5), 0.5);
    add("STimerB", urgentTick(), 0.65);
    return effects;
}
