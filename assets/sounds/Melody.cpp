// The background melody: a minuet in G major from an eighteenth-century
// notebook for keyboard (long out of copyright), on a harpsichord, both
// halves played twice. Written as a format-0 standard MIDI file byte by byte.
#include "Effects.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int kTicksPerQuarter = 480;
constexpr int kEighth = kTicksPerQuarter / 2;
constexpr int kTempoMicroseconds = 560000; // about 107 quarters a minute
constexpr int kHarpsichord = 6;            // General MIDI program 7
constexpr int kMelodyChannel = 0;
constexpr int kBassChannel = 1;

struct Note {
    int pitch;   // MIDI note number
    int eighths; // length
};

// G4 = 67, middle C = 60.
const std::vector<Note> firstHalf = {
    {74, 2}, {67, 1}, {69, 1}, {71, 1}, {72, 1}, // 1
    {74, 2}, {67, 2}, {67, 2},                   // 2
    {76, 2}, {72, 1}, {74, 1}, {76, 1}, {78, 1}, // 3
    {79, 2}, {67, 2}, {67, 2},                   // 4
    {72, 2}, {74, 1}, {72, 1}, {71, 1}, {69, 1}, // 5
    {71, 2}, {72, 1}, {71, 1}, {69, 1}, {67, 1}, // 6
    {66, 2}, {67, 1}, {69, 1}, {71, 1}, {67, 1}, // 7
    {69, 6},                                     // 8
    {74, 2}, {67, 1}, {69, 1}, {71, 1}, {72, 1}, // 9
    {74, 2}, {67, 2}, {67, 2},                   // 10
    {76, 2}, {72, 1}, {74, 1}, {76, 1}, {78, 1}, // 11
    {79, 2}, {67, 2}, {67, 2},                   // 12
    {72, 2}, {74, 1}, {72, 1}, {71, 1}, {69, 1}, // 13
    {71, 2}, {72, 1}, {71, 1}, {69, 1}, {67, 1}, // 14
    {69, 2}, {71, 1}, {69, 1}, {67, 1}, {66, 1}, // 15
    {67, 6},                                     // 16
};

const std::vector<Note> secondHalf = {
    {83, 2}, {79, 1}, {81, 1}, {83, 1}, {79, 1},          // 17
    {81, 2}, {74, 1}, {76, 1}, {78, 1}, {74, 1},          // 18
    {79, 2}, {76, 1}, {78, 1}, {79, 1}, {74, 1},          // 19
    {73, 2}, {71, 1}, {73, 1}, {69, 2},                   // 20
    {69, 1}, {71, 1}, {73, 1}, {74, 1}, {76, 1}, {78, 1}, // 21
    {79, 2}, {78, 2}, {76, 2},                            // 22
    {78, 2}, {69, 2}, {73, 2},                            // 23
    {74, 6},                                              // 24
    {74, 2}, {67, 1}, {66, 1}, {67, 2},                   // 25
    {76, 2}, {67, 1}, {66, 1}, {67, 2},                   // 26
    {74, 2}, {72, 2}, {71, 2},                            // 27
    {69, 1}, {67, 1}, {66, 1}, {67, 1}, {69, 2},          // 28
    {62, 1}, {64, 1}, {66, 1}, {67, 1}, {69, 1}, {71, 1}, // 29
    {72, 2}, {71, 2}, {69, 2},                            // 30
    {71, 1}, {74, 1}, {67, 2}, {66, 2},                   // 31
    {67, 6},                                              // 32
};

// The left hand, one or two notes a bar.
const std::vector<Note> firstBass = {
    {55, 4}, {57, 2}, {59, 6}, {60, 6}, {59, 6}, {57, 6}, {55, 6}, {62, 2},
    {59, 2}, {55, 2}, {62, 2}, {50, 2}, {60, 2}, {59, 4}, {57, 2}, {59, 6},
    {60, 6}, {59, 6}, {57, 6}, {55, 6}, {62, 2}, {50, 2}, {50, 2}, {43, 6},
};
const std::vector<Note> secondBass = {
    {55, 6}, {54, 6}, {52, 6}, {57, 4}, {45, 2}, {57, 6}, {59, 6}, {61, 4},
    {57, 2}, {62, 2}, {50, 2}, {62, 2}, {59, 6}, {60, 6}, {59, 6}, {57, 6},
    {54, 6}, {55, 6}, {52, 4}, {54, 2}, {55, 2}, {50, 2}, {50, 2}, {43, 6},
};

void putVariable(std::vector<std::uint8_t> &out, std::uint32_t value) {
    std::uint8_t bytes[5];
    int count = 0;
    bytes[count++] = std::uint8_t(value & 0x7F);
    while ((value >>= 7) != 0)
        bytes[count++] = std::uint8_t((value & 0x7F) | 0x80);
    while (count > 0)
        out.push_back(bytes[--count]);
}

void putBigEndian(QByteArray &out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

struct Event {
    std::uint32_t tick;
    int order; // note-offs before note-ons at the same tick
    std::vector<std::uint8_t> bytes;
};

void addVoice(std::vector<Event> &events, const std::vector<Note> &notes, std::uint32_t start,
              int channel, int velocity) {
    std::uint32_t tick = start;
    for (const Note &n : notes) {
        const std::uint32_t length = std::uint32_t(n.eighths * kEighth);
        // Harpsichord style: each note released a little before the next.
        const std::uint32_t sounding = length - length / 8;
        events.push_back(
            {tick,
             1,
             {std::uint8_t(0x90 | channel), std::uint8_t(n.pitch), std::uint8_t(velocity)}});
        events.push_back(
            {tick + sounding, 0, {std::uint8_t(0x80 | channel), std::uint8_t(n.pitch), 0}});
        tick += length;
    }
}

std::uint32_t lengthOf(const std::vector<Note> &notes) {
    std::uint32_t ticks = 0;
    for (const Note &n : notes)
        ticks += std::uint32_t(n.eighths * kEighth);
    return ticks;
}

} // namespace

QByteArray makeMelody() {
    std::vector<Event> events;
    std::uint32_t at = 0;
    for (int half = 0; half < 2; ++half) {
        const std::vector<Note> &melody = half == 0 ? firstHalf : secondHalf;
        const std::vector<Note> &bass = half == 0 ? firstBass : secondBass;
        for (int repeat = 0; repeat < 2; ++repeat) {
            addVoice(events, melody, at, kMelodyChannel, repeat == 0 ? 92 : 84);
            addVoice(events, bass, at, kBassChannel, 70);
            at += lengthOf(melody);
        }
    }
    std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });

    std::vector<std::uint8_t> track;
    auto meta = [&track](std::uint8_t type, std::vector<std::uint8_t> data) {
        track.push_back(0x00);
        track.push_back(0xFF);
        track.push_back(type);
        putVariable(track, std::uint32_t(data.size()));
        track.insert(track.end(), data.begin(), data.end());
    };
    const char title[] = "Minuet in G";
    meta(0x03, std::vector<std::uint8_t>(title, title + sizeof title - 1));
    meta(0x51, {std::uint8_t(kTempoMicroseconds >> 16), std::uint8_t(kTempoMicroseconds >> 8),
                std::uint8_t(kTempoMicroseconds)});
    meta(0x58, {3, 2, 24, 8}); // 3/4
    for (int channel : {kMelodyChannel, kBassChannel}) {
        track.insert(track.end(), {0x00, std::uint8_t(0xC0 | channel), std::uint8_t(kHarpsichord)});
        track.insert(track.end(), {0x00, std::uint8_t(0xB0 | channel), 7,
                                   std::uint8_t(channel == 0 ? 100 : 80)});
    }
    std::uint32_t previous = 0;
    for (const Event &e : events) {
        putVariable(track, e.tick - previous);
        previous = e.tick;
        track.insert(track.end(), e.bytes.begin(), e.bytes.end());
    }
    // A short rest before the end so the last chord rings out.
    putVariable(track, kTicksPerQuarter);
    track.insert(track.end(), {0xFF, 0x2F, 0x00});

    QByteArray file("MThd");
    putBigEndian(file, 6, 4);
    putBigEndian(file, 0, 2); // format 0
    putBigEndian(file, 1, 2); // one track
    putBigEndian(file, kTicksPerQuarter, 2);
    file.append("MTrk");
    putBigEndian(file, std::uint32_t(track.size()), 4);
    file.append(reinterpret_cast<const char *>(track.data()), qsizetype(track.size()));
    return file;
}
