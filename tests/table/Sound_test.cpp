// The sound system: effects honour their switch and cut each other, a wait
// lasts until the sound ends, spoken card names come from the voice library
// for the language, and the melody's temporary file and player behave as the
// title screen and menu need. Outputs are recorders: no audio device is used.
#include "table/Sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace quarn;

class RecordingWave : public WaveOutput {
  public:
    void start(const QByteArray &wave) override {
        started.push_back(wave);
        pollsLeft = pollsWhilePlaying;
    }
    void stop() override { ++stops; }
    bool playing() const override {
        // Counts the questions: the sound "ends" after pollsWhilePlaying of them.
        if (pollsLeft <= 0)
            return false;
        --pollsLeft;
        ++polls;
        return true;
    }
    std::vector<QByteArray> started;
    int stops = 0;
    int pollsWhilePlaying = 0; // -1: never ends
    mutable int pollsLeft = 0;
    mutable int polls = 0;
};

class RecordingMidi : public MidiOutput {
  public:
    bool open(const QString &file) override {
        opened = file;
        ++opens;
        return opens_;
    }
    void play() override {
        ++plays;
        isPlaying = !fails;
    }
    void stop() override {
        ++stops;
        isPlaying = false;
    }
    void close() override {
        ++closes;
        isPlaying = false;
    }
    bool playing() const override { return isPlaying; }
    bool failed() const override { return fails; }
    QString opened;
    int opens = 0, plays = 0, stops = 0, closes = 0;
    bool isPlaying = false;
    bool fails = false;
    bool opens_ = true;
};

QByteArray builtinEffect(const char *name) {
    QFile file(QStringLiteral(":/res/wav/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A small WAVE of `samples` 16-bit samples at 8 kHz.
QByteArray tinyWave(int samples, char fill) {
    QByteArray data(samples * 2, fill);
    QByteArray w("RIFF");
    auto put32 = [&w](quint32 v) {
        for (int i = 0; i < 4; ++i)
            w.append(char(v >> (8 * i)));
    };
    auto put16 = [&w](quint16 v) {
        w.append(char(v));
        w.append(char(v >> 8));
    };
    put32(36 + quint32(data.size()));
    w.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(8000);
    put32(16000);
    put16(2);
    put16(16);
    w.append("data");
    put32(quint32(data.size()));
    return w + data;
}

class SoundTest : public ::testing::Test {
  public:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        program = root.path() + QStringLiteral("/Quarn/");
        temporary = root.path() + QStringLiteral("/tmp");
        QDir().mkpath(program);
        QDir().mkpath(temporary);
        sound = std::make_unique<SoundSystem>(program);
        auto w = std::make_unique<RecordingWave>();
        auto m = std::make_unique<RecordingMidi>();
        wave = w.get();
        midi = m.get();
        sound->setWaveOutput(std::move(w));
        sound->setMidiOutput(std::move(m));
        sound->setTemporaryFolder(temporary);
        sound->setEffectsSwitch([this] { return effectsOn; });
        sound->setVoiceObserver(
            [this](const QString &name) { asked.push_back(name.toStdString()); });
    }

    // A voice library made with rcc holding the given resources under wav/.
    bool makeVoiceLibrary(const QString &path,
                          const std::vector<std::pair<QString, QByteArray>> &entries) {
        QTemporaryDir work;
        QFile qrc(work.path() + QStringLiteral("/voice.qrc"));
        if (!qrc.open(QIODevice::WriteOnly))
            return false;
        qrc.write("<RCC><qresource prefix=\"/\">\n");
        for (const auto &[name, bytes] : entries) {
            QFile f(work.path() + QLatin1Char('/') + name + QStringLiteral(".wav"));
            if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
                return false;
            qrc.write(QStringLiteral("<file alias=\"wav/%1\">%1.wav</file>\n").arg(name).toUtf8());
        }
        qrc.write("</qresource></RCC>\n");
        qrc.close();
        QProcess rcc;
        rcc.start(QStringLiteral(QUARN_RCC),
                  {QStringLiteral("--binary"), qrc.fileName(), QStringLiteral("-o"), path});
        return rcc.waitForFinished(30000) && rcc.exitCode() == 0;
    }

    QByteArray musicFileBytes() const {
        QFile f(sound->musicFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir root;
    QString program;
    QString temporary;
    std::unique_ptr<SoundSystem> sound;
    RecordingWave *wave = nullptr;
    RecordingMidi *midi = nullptr;
    bool effectsOn = true;
    std::vector<std::string> asked;
};

// ---- Effects ----------------------------------------------------------------------

TEST_F(SoundTest, EffectsPlayTheirResourceOnlyWhileSwitchedOn) {
    struct Case {
        const char *name;
        bool on;
        bool heard;
    };
    const Case cases[] = {
        {"WHodsDo", true, true},   {"WWrongs", true, true},
        {"STimerB", true, true},   {"WHodsDo", false, false},
        {"WFiBest", false, false}, {"WNoSuch", true, false}, // an unknown name is silently nothing
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.on ? " on" : " off"));
        effectsOn = c.on;
        wave->started.clear();
        sound->playSound(QString::fromLatin1(c.name), false);
        ASSERT_EQ(wave->started.size(), c.heard ? 1u : 0u);
        if (c.heard) {
            EXPECT_EQ(wave->started[0], builtinEffect(c.name));
        }
    }
}

TEST_F(SoundTest, TheRulesInterfacePlaysTheSameEffects) {
    sound->Play("WKoGutX", false);
    sound->Play("WHodOtb", false);
    ASSERT_EQ(wave->started.size(), 2u);
    EXPECT_EQ(wave->started[0], builtinEffect("WKoGutX"));
    EXPECT_EQ(wave->started[1], builtinEffect("WHodOtb"));
}

TEST_F(SoundTest, WaitingReturnsWhenTheSoundEndsAndNeverHangs) {
    // Without wait the output is not asked whether it still plays.
    wave->pollsWhilePlaying = 3;
    sound->playSound(QStringLiteral("WHodBer"), false);
    EXPECT_EQ(wave->polls, 0);

    // With wait the call stays until the output reports the end.
    wave->polls = 0;
    sound->playSound(QStringLiteral("WHodsDo"), true);
    EXPECT_EQ(wave->polls, 3);
    EXPECT_EQ(wave->pollsLeft, 0);

    // An output that never reports the end is left after the sound's length.
    wave->pollsWhilePlaying = -1;
    wave->pollsLeft = 1 << 30;
    sound->playSound(QStringLiteral("WHodsDo"), true);
    SUCCEED();
}

// ---- Voice resource names -------------------------------------------------------------

TEST(VoiceNames, FollowSuitRankVoiceAndLanguageCode) {
    struct Case {
        TStr2 card;
        int language;
        const char *name;
    };
    const Case cases[] = {
        {{'\xD2', '\xEF'}, 9, "Pi5AVoiceKor"}, // ace of spades, Korean
        {{'\xD2', '\xEF'}, 2, "Pi5AVoiceDeu"},
        {{'6', '\xF7'}, 0, "Ch06VoiceEng"},
        {{'1', '\xE1'}, 1, "Bu10VoiceRus"},
        {{'\xC2', '\xEA'}, 3, "Kr2JVoiceFra"},
        {{'\xC4', '\xF7'}, 8, "Ch3QVoiceJap"}, // Japanese keeps its own code
        {{'\xCA', '\xE1'}, 5, "Bu4KVoiceChi"},
        {{'9', '\xEA'}, 7, "Kr09VoiceCze"},
        {{'7', '\xEF'}, 4, "Pi07VoiceSpa"},
        {{'8', '\xF7'}, 6, "Ch08VoiceIta"},
        {kEmptyCard, 0, ""},
        {{'X', '\xEF'}, 0, ""},
        {{'\xD2', '\xEF'}, 10, ""},
        {{'\xD2', '\xEF'}, -1, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(voiceResourceName(c.card, c.language).toStdString(), c.name) << c.name;
}

// ---- Spoken card names ---------------------------------------------------------------------

TEST_F(SoundTest, SaysTheCardFromTheLibraryBesideTheProgramOrAboveIt) {
    const QByteArray korean = tinyWave(4000, 3);
    const QByteArray english = tinyWave(4000, 5);
    for (const QString &folder : {program, root.path() + QLatin1Char('/')}) {
        SCOPED_TRACE(folder.toStdString());
        const QString path = folder + QLatin1String(kVoiceLibrary);
        ASSERT_TRUE(makeVoiceLibrary(path, {{QStringLiteral("Pi5AVoiceKor"), korean},
                                            {QStringLiteral("Pi5AVoiceEng"), english}}));
        asked.clear();
        wave->started.clear();
        effectsOn = false; // speaking does not depend on the effects switch
        EXPECT_TRUE(sound->sayCard(TStr2{'\xD2', '\xEF'}, 9));
        EXPECT_EQ(asked, std::vector<std::string>{"Pi5AVoiceKor"});
        ASSERT_EQ(wave->started.size(), 1u);
        EXPECT_EQ(wave->started[0], korean);
        // Released after the one sound.
        EXPECT_FALSE(QFileInfo::exists(QStringLiteral(":/lib/WemCVoice3.dll/wav/Pi5AVoiceKor")));
        EXPECT_TRUE(sound->sayCard(TStr2{'\xD2', '\xEF'}, 0));
        EXPECT_EQ(wave->started.back(), english);
        QFile::remove(path);
    }
}

TEST_F(SoundTest, MissingLibraryOrVoiceGivesFalseAndSilence) {
    EXPECT_FALSE(sound->sayCard(TStr2{'\xD2', '\xEF'}, 9)) << "no library";
    EXPECT_EQ(asked, std::vector<std::string>{"Pi5AVoiceKor"});

    const QString path = program + QLatin1String(kVoiceLibrary);
    ASSERT_TRUE(makeVoiceLibrary(
        path, {{QStringLiteral("Pi5AVoiceKor"), tinyWave(100, 1)},
               {QStringLiteral("Ch06VoiceKor"), QByteArray("not a wave at all")}}));
    EXPECT_FALSE(sound->sayCard(TStr2{'\xD2', '\xEF'}, 0)) << "no English voice in the library";
    EXPECT_FALSE(sound->sayCard(TStr2{'6', '\xF7'}, 9)) << "a damaged voice";
    EXPECT_FALSE(sound->sayCard(kEmptyCard, 9));
    EXPECT_TRUE(wave->started.empty());

    // A file that is no resource library at all.
    QFile::remove(path);
    QFile junk(path);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("garbage, not a resource bundle");
    junk.close();
    EXPECT_FALSE(sound->sayCard(TStr2{'\xD2', '\xEF'}, 9));
    EXPECT_TRUE(wave->started.empty());
}

// ---- Melody ------------------------------------------------------------------------------------

TEST_F(SoundTest, PrepareWritesTheSongToTheTemporaryFileAndOpensIt) {
    EXPECT_EQ(sound->musicFile(), temporary + QStringLiteral("/temp46_25.mid"));
    ASSERT_TRUE(sound->prepareMusic());
    QFile song(QStringLiteral(":/res/raw/MidiSong"));
    ASSERT_TRUE(song.open(QIODevice::ReadOnly));
    EXPECT_EQ(musicFileBytes(), song.readAll());
    EXPECT_EQ(midi->opened, sound->musicFile());
}

TEST_F(SoundTest, ALeftoverFileIsReusedUnlessItIsNoMidiFile) {
    struct Case {
        const char *what;
        QByteArray before;
        bool kept;
    };
    const Case cases[] = {
        {"an earlier run's song", QByteArray("MThd\0\0\0\x06\0\0\0\x01\x01\xE0", 14), true},
        {"an empty file", QByteArray(), false},
        {"text", QByteArray("hello"), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile f(sound->musicFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.before);
        f.close();
        ASSERT_TRUE(sound->prepareMusic());
        if (c.kept) {
            EXPECT_EQ(musicFileBytes(), c.before);
        } else {
            EXPECT_TRUE(musicFileBytes().startsWith("MThd"));
        }
    }
}

TEST_F(SoundTest, AnUnwritableTemporaryFolderIsReported) {
    sound->setTemporaryFolder(root.path() + QStringLiteral("/no/such/folder"));
    EXPECT_FALSE(sound->prepareMusic());
    sound->music(true);
    EXPECT_EQ(midi->plays, 0) << "no music without its file";
}

TEST_F(SoundTest, MusicStartsOnceStopsAndRestarts) {
    sound->music(true);
    EXPECT_EQ(midi->plays, 0) << "not prepared yet";
    ASSERT_TRUE(sound->prepareMusic());
    sound->music(true);
    sound->music(true);
    EXPECT_EQ(midi->plays, 1) << "a playing melody is not restarted";
    EXPECT_TRUE(sound->musicPlaying());
    sound->music(false);
    EXPECT_FALSE(sound->musicPlaying());
    sound->music(true);
    EXPECT_EQ(midi->plays, 2);
}

TEST_F(SoundTest, LostFileOrFailedPlayerSilencesTheMelodyQuietly) {
    struct Case {
        const char *what;
        std::function<void(SoundTest &)> spoil;
    };
    const Case cases[] = {
        {"file deleted", [](SoundTest &t) { QFile::remove(t.sound->musicFile()); }},
        {"player failed", [](SoundTest &t) { t.midi->fails = true; }},
        {"player could not open",
         [](SoundTest &t) {
             t.midi->opens_ = false;
             ASSERT_TRUE(t.sound->prepareMusic());
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        ASSERT_TRUE(sound->prepareMusic());
        c.spoil(*this);
        sound->music(true);
        EXPECT_EQ(midi->plays, 0);
        EXPECT_FALSE(sound->musicPlaying());
    }
}

TEST_F(SoundTest, ClosingStopsThePlayerAndDeletesTheFile) {
    ASSERT_TRUE(sound->prepareMusic());
    sound->music(true);
    sound->closeMusic();
    EXPECT_FALSE(sound->musicPlaying());
    EXPECT_GE(midi->closes, 1);
    EXPECT_FALSE(QFileInfo::exists(sound->musicFile()));
    sound->music(true);
    EXPECT_EQ(midi->plays, 1) << "closed: no more melody";
}

// ---- WAVE layout
// ------------------------------------------------------------------------------------

TEST(WaveLayout, ReadsGoodFilesAndRefusesDamagedOnes) {
    const QByteArray good = tinyWave(800, 0);
    const WaveFormat f = parseWave(good);
    ASSERT_TRUE(f.valid);
    EXPECT_EQ(f.rate, 8000);
    EXPECT_EQ(f.channels, 1);
    EXPECT_EQ(f.bits, 16);
    EXPECT_EQ(f.dataOffset, 44);
    EXPECT_EQ(f.dataSize, 1600);
    EXPECT_EQ(f.milliseconds(), 100);

    struct Case {
        const char *what;
        std::function<QByteArray()> bytes;
    };
    const Case damaged[] = {
        {"empty", [] { return QByteArray(); }},
        {"not RIFF",
         [&] {
             QByteArray b = good;
             b[0] = 'X';
             return b;
         }},
        {"cut inside the data", [&] { return good.left(100); }},
        {"cut inside the format", [&] { return good.left(30); }},
        {"not PCM",
         [&] {
             QByteArray b = good;
             b[20] = 3;
             return b;
         }},
        {"24 bits",
         [&] {
             QByteArray b = good;
             b[34] = 24;
             return b;
         }},
        {"no channels",
         [&] {
             QByteArray b = good;
             b[22] = 0;
             return b;
         }},
        {"chunk length beyond the end",
         [&] {
             QByteArray b = good;
             b[16] = char(0xFF);
             b[17] = char(0xFF);
             return b;
         }},
        {"data before format", [&] { return good.left(12) + good.mid(36) + good.mid(12, 24); }},
    };
    for (const Case &c : damaged)
        EXPECT_FALSE(parseWave(c.bytes()).valid) << c.what;
}

} // namespace
