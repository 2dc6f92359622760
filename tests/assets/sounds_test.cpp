// The program's own sounds: every effect the game plays is a sound WAVE in
// its resources, and the melody is a standard MIDI file of a sensible length.
#include "table/Pictures.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace {

const char *const effectNames[] = {"WTasoKo", "WHodsDo", "WHodBer", "WHodOtb", "WKoGutX", "WKoBadX",
                                   "WKoGood", "WKoBads", "WFiBest", "WFiGood", "WFiBads", "WOpenFo",
                                   "WToMenK", "WWrongs", "STimerA", "STimerB"};

QByteArray resource(const QString &path) {
    quarn::initBuiltinPictures();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t le32(const QByteArray &b, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(b.constData() + at);
}
std::uint16_t le16(const QByteArray &b, qsizetype at) {
    return qFromLittleEndian<std::uint16_t>(b.constData() + at);
}
std::uint32_t be32(const QByteArray &b, qsizetype at) {
    return qFromBigEndian<std::uint32_t>(b.constData() + at);
}
std::uint16_t be16(const QByteArray &b, qsizetype at) {
    return qFromBigEndian<std::uint16_t>(b.constData() + at);
}

class EffectTest : public ::testing::TestWithParam<const char *> {};

TEST_P(EffectTest, IsAPlayableWaveWithoutClipping) {
    const QByteArray wave = resource(QStringLiteral(":/res/wav/") + QLatin1String(GetParam()));
    ASSERT_GE(wave.size(), 44) << "missing or too short";
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(le32(wave, 4), std::uint32_t(wave.size() - 8)) << "RIFF size";
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(le32(wave, 16), 16u);
    EXPECT_EQ(le16(wave, 20), 1) << "PCM";
    EXPECT_EQ(le16(wave, 22), 1) << "mono";
    const std::uint32_t rate = le32(wave, 24);
    EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
    EXPECT_EQ(le32(wave, 28), rate * 2) << "byte rate";
    EXPECT_EQ(le16(wave, 32), 2) << "block align";
    EXPECT_EQ(le16(wave, 34), 16) << "bits";
    EXPECT_EQ(wave.mid(36, 4), "data");
    const std::uint32_t dataBytes = le32(wave, 40);
    ASSERT_EQ(dataBytes, std::uint32_t(wave.size() - 44));
    const double seconds = double(dataBytes) / 2 / rate;
    EXPECT_GT(seconds, 0.03);
    EXPECT_LT(seconds, 4.0) << "an effect is short";

    int run = 0;
    int longestRun = 0;
    int peak = 0;
    for (qsizetype at = 44; at + 1 < wave.size(); at += 2) {
        const int s = std::int16_t(le16(wave, at));
        peak = std::max(peak, std::abs(s));
        run = std::abs(s) >= 32700 ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
    }
    EXPECT_LT(longestRun, 2) << "clipped samples";
    EXPECT_GT(peak, 3000) << "audible";
    // The last sample fades out: no click at the end.
    EXPECT_LT(std::abs(int(std::int16_t(le16(wave, wave.size() - 2)))), 200);
}

INSTANTIATE_TEST_SUITE_P(Effects, EffectTest, ::testing::ValuesIn(effectNames),
                         [](const auto &info) { return std::string(info.param); });

TEST(Effects, AreDistinctSounds) {
    std::map<QByteArray, std::string> seen;
    for (const char *name : effectNames) {
        const QByteArray wave = resource(QStringLiteral(":/res/wav/") + QLatin1String(name));
        const auto [it, fresh] = seen.emplace(wave, name);
        EXPECT_TRUE(fresh) << name << " is the same as " << it->second;
    }
}

// Reads a variable-length quantity; false past the end.
bool readVariable(const QByteArray &b, qsizetype &at, qsizetype end, std::uint32_t &value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= end)
            return false;
        const auto byte = std::uint8_t(b[at++]);
        value = (value << 7) | (byte & 0x7F);
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

struct TrackSummary {
    bool parsed = false;
    bool endOfTrack = false;
    std::uint64_t ticks = 0;
    std::uint32_t tempo = 500000;
    int notesOn = 0;
    int notesOff = 0;
    std::vector<int> programs;
};

// Walks every event of one track chunk body.
TrackSummary walkTrack(const QByteArray &b, qsizetype at, qsizetype end) {
    TrackSummary t;
    std::uint8_t status = 0;
    while (at < end) {
        std::uint32_t delta = 0;
        if (!readVariable(b, at, end, delta) || at >= end)
            return t;
        t.ticks += delta;
        std::uint8_t first = std::uint8_t(b[at]);
        if (first == 0xFF) {
            if (at + 2 > end)
                return t;
            const std::uint8_t type = std::uint8_t(b[at + 1]);
            at += 2;
            std::uint32_t length = 0;
            if (!readVariable(b, at, end, length) || at + length > end)
                return t;
            if (type == 0x51 && length == 3)
                t.tempo = (std::uint32_t(std::uint8_t(b[at])) << 16) |
                          (std::uint32_t(std::uint8_t(b[at + 1])) << 8) | std::uint8_t(b[at + 2]);
            at += length;
            if (type == 0x2F) {
                t.endOfTrack = true;
                t.parsed = at == end;
                return t;
            }
            continue;
        }
        if (first == 0xF0 || first == 0xF7) {
            ++at;
            std::uint32_t length = 0;
            if (!readVariable(b, at, end, length) || at + length > end)
                return t;
            at += length;
            continue;
        }
        if (first & 0x80) {
            status = first;
            ++at;
        } else if (status == 0) {
            return t; // running status with no status before it
        }
        const int kind = status & 0xF0;
        const int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
        if (at + dataBytes > end)
            return t;
        if (kind == 0x90 && std::uint8_t(b[at + 1]) > 0)
            ++t.notesOn;
        else if (kind == 0x80 || kind == 0x90)
            ++t.notesOff;
        else if (kind == 0xC0)
            t.programs.push_back(std::uint8_t(b[at]));
        at += dataBytes;
    }
    return t;
}

TEST(Melody, IsAStandardMidiFileOfOneToTwoMinutes) {
    const QByteArray song = resource(QStringLiteral(":/res/raw/MidiSong"));
    ASSERT_GE(song.size(), 22) << "missing";
    ASSERT_EQ(song.left(4), "MThd");
    ASSERT_EQ(be32(song, 4), 6u);
    const int format = be16(song, 8);
    const int tracks = be16(song, 10);
    const int division = be16(song, 12);
    EXPECT_TRUE(format == 0 || format == 1);
    if (format == 0)
        EXPECT_EQ(tracks, 1);
    ASSERT_GT(division, 0);
    ASSERT_LT(division, 0x8000) << "ticks per quarter, not SMPTE";

    qsizetype at = 14;
    int found = 0;
    std::uint64_t longest = 0;
    std::uint32_t tempo = 500000;
    int notes = 0;
    while (at + 8 <= song.size()) {
        ASSERT_EQ(song.mid(at, 4), "MTrk") << "chunk at " << at;
        const std::uint32_t length = be32(song, at + 4);
        ASSERT_LE(at + 8 + qsizetype(length), song.size()) << "track length beyond the file";
        const TrackSummary t = walkTrack(song, at + 8, at + 8 + length);
        EXPECT_TRUE(t.endOfTrack) << "track " << found << " has no end-of-track event";
        EXPECT_TRUE(t.parsed) << "track " << found << " does not end where its length says";
        EXPECT_EQ(t.notesOn, t.notesOff) << "every note is released";
        for (int program : t.programs)
            EXPECT_LT(program, 128);
        longest = std::max(longest, t.ticks);
        if (found == 0)
            tempo = t.tempo;
        notes += t.notesOn;
        at += 8 + length;
        ++found;
    }
    EXPECT_EQ(at, song.size()) << "bytes after the last track";
    EXPECT_EQ(found, tracks);
    EXPECT_GT(notes, 100);
    const double seconds = double(longest) / division * tempo / 1e6;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 150.0);
}

} // namespace
