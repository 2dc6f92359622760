#include "table/Sound.h"

#include "table/Pictures.h"
#include "table/ResourceLibrary.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QResource>
#include <QSaveFile>
#include <QTimer>
#include <QtEndian>

#include <fluidsynth.h>

#include <array>

namespace quarn {

namespace {

// Voice codes in the order of the language index; Japanese and Korean have
// their own here, unlike the picture codes.
const std::array<const char *, 10> voiceCodes = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                 "Chi", "Ita", "Cze", "Jap", "Kor"};

const QStringList soundFonts = {QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
                                QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
                                QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2")};

std::uint32_t read32(const QByteArray &b, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(b.constData() + at);
}
std::uint16_t read16(const QByteArray &b, qsizetype at) {
    return qFromLittleEndian<std::uint16_t>(b.constData() + at);
}

// ---- Qt Multimedia --------------------------------------------------------------

class QtWaveOutput : public WaveOutput {
  public:
    void start(const QByteArray &wave) override {
        stop();
        const WaveFormat format = parseWave(wave);
        if (!format.valid)
            return;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return;
        QAudioFormat audio;
        audio.setSampleRate(format.rate);
        audio.setChannelCount(format.channels);
        audio.setSampleFormat(format.bits == 16 ? QAudioFormat::Int16 : QAudioFormat::UInt8);
        if (!device.isFormatSupported(audio))
            return;
        buffer_.setData(wave.mid(format.dataOffset, format.dataSize));
        buffer_.open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(device, audio);
        sink_->start(&buffer_);
    }

    void stop() override {
        if (sink_) {
            sink_->stop();
            sink_.reset();
        }
        buffer_.close();
    }

    bool playing() const override { return sink_ && sink_->state() == QAudio::ActiveState; }

    ~QtWaveOutput() override { stop(); }

  private:
    QBuffer buffer_;
    std::unique_ptr<QAudioSink> sink_;
};

// ---- FluidSynth -----------------------------------------------------------------------

void quietLog(int, const char *, void *) {}

class FluidMidiOutput : public MidiOutput {
  public:
    FluidMidiOutput() {
        // The library's own messages (no audio server, ...) would only clutter the terminal.
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, quietLog, nullptr);
    }
    ~FluidMidiOutput() override { close(); }

    // The sound font (some megabytes once loaded) is read only when the
    // melody first plays, so it costs nothing while the music is off.
    bool open(const QString &file) override {
        close();
        font_.clear();
        for (const QString &candidate : soundFonts)
            if (QFileInfo(candidate).isFile()) {
                font_ = QFile::encodeName(candidate);
                break;
            }
        if (font_.isEmpty())
            return false;
        file_ = QFile::encodeName(file);
        failed_ = false;
        return true;
    }

    void play() override {
        if (font_.isEmpty() || failed_)
            return;
        if (!driver_ && !startSynthesiser()) {
            // No synthesiser or no audio device: nothing will ever sound, so
            // the sound font is not kept.
            failed_ = true;
            close();
            return;
        }
        stop();
        player_ = new_fluid_player(synth_);
        if (!player_ || fluid_player_add(player_, file_.constData()) == FLUID_FAILED ||
            fluid_player_play(player_) == FLUID_FAILED) {
            stop();
            failed_ = true;
        }
    }

    void stop() override {
        if (player_) {
            fluid_player_stop(player_);
            fluid_player_join(player_);
            delete_fluid_player(player_);
            player_ = nullptr;
        }
        if (synth_)
            fluid_synth_all_sounds_off(synth_, -1);
    }

    void close() override {
        stop();
        if (driver_)
            delete_fluid_audio_driver(driver_);
        if (synth_)
            delete_fluid_synth(synth_);
        if (settings_)
            delete_fluid_settings(settings_);
        driver_ = nullptr;
        synth_ = nullptr;
        settings_ = nullptr;
    }

    bool playing() const override {
        return player_ && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
    }
    bool failed() const override { return failed_; }

  private:
    bool startSynthesiser() {
        settings_ = new_fluid_settings();
        if (!settings_)
            return false;
        // Only the samples of the instruments the melody uses are read.
        fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
        synth_ = new_fluid_synth(settings_);
        if (!synth_ || fluid_synth_sfload(synth_, font_.constData(), 1) == FLUID_FAILED)
            return false;
        driver_ = new_fluid_audio_driver(settings_, synth_);
        return driver_ != nullptr;
    }

    QByteArray font_;
    fluid_settings_t *settings_ = nullptr;
    fluid_synth_t *synth_ = nullptr;
    fluid_audio_driver_t *driver_ = nullptr;
    fluid_player_t *player_ = nullptr;
    QByteArray file_;
    bool failed_ = false;
};

bool isMidiFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == "MThd";
}

} // namespace

int WaveFormat::milliseconds() const {
    const qint64 bytesPerSecond = qint64(rate) * channels * (bits / 8);
    return bytesPerSecond > 0 ? int(qint64(dataSize) * 1000 / bytesPerSecond) : 0;
}

WaveFormat parseWave(const QByteArray &wave) {
    WaveFormat format;
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return {};
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= wave.size()) {
        const QByteArray id = wave.mid(at, 4);
        const qint64 size = read32(wave, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > wave.size())
                return {};
            format.channels = read16(wave, body + 2);
            format.rate = int(read32(wave, body + 4));
            format.bits = read16(wave, body + 14);
            haveFormat = read16(wave, body) == 1 && format.channels >= 1 && format.channels <= 2 &&
                         format.rate >= 4000 && format.rate <= 192000 &&
                         (format.bits == 8 || format.bits == 16);
            if (!haveFormat)
                return {};
        } else if (id == "data") {
            if (!haveFormat || size <= 0 || body + size > wave.size())
                return {};
            format.dataOffset = body;
            format.dataSize = qsizetype(size);
            format.valid = true;
            return format;
        }
        if (body + size > wave.size())
            return {};
        at = body + qsizetype(size) + qsizetype(size & 1);
    }
    return {};
}

std::unique_ptr<WaveOutput> makeWaveOutput() {
    return std::make_unique<QtWaveOutput>();
}
std::unique_ptr<MidiOutput> makeMidiOutput() {
    return std::make_unique<FluidMidiOutput>();
}

QString voiceResourceName(TStr2 card, int language) {
    const std::optional<SuitRank> parsed = ParseCard(card);
    if (!parsed || language < 0 || language >= int(voiceCodes.size()))
        return {};
    return faceResourceName(parsed->suit, parsed->rank, {}, {}, {}, false) +
           QStringLiteral("Voice") + QLatin1String(voiceCodes[std::size_t(language)]);
}

SoundSystem::SoundSystem(QString programFolder)
    : folder_(std::move(programFolder)), temporaryFolder_(QDir::tempPath()),
      effectsOn_([] { return true; }), wave_(makeWaveOutput()), midi_(makeMidiOutput()) {
    if (!folder_.isEmpty() && !folder_.endsWith(QLatin1Char('/')))
        folder_ += QLatin1Char('/');
    initBuiltinPictures(); // the effects live with the built-in pictures
}

SoundSystem::~SoundSystem() {
    if (wave_)
        wave_->stop();
    if (midi_)
        midi_->close();
}

void SoundSystem::setWaveOutput(std::unique_ptr<WaveOutput> output) {
    if (wave_)
        wave_->stop();
    wave_ = std::move(output);
}

void SoundSystem::setMidiOutput(std::unique_ptr<MidiOutput> output) {
    if (midi_)
        midi_->close();
    midi_ = std::move(output);
    musicOpened_ = false;
}

// ---- Effects -------------------------------------------------------------------------

QByteArray SoundSystem::effect(const QString &name) {
    auto found = effects_.constFind(name);
    if (found != effects_.constEnd())
        return *found;
    QFile file(QStringLiteral(":/res/wav/") + name);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    effects_.insert(name, bytes);
    return bytes;
}

void SoundSystem::playSound(const QString &name, bool wait) {
    if (!effectsOn_() || !wave_)
        return;
    const QByteArray wave = effect(name);
    const WaveFormat format = parseWave(wave);
    if (!format.valid)
        return;
    wave_->start(wave);
    if (wait)
        waitForEnd(format.milliseconds());
}

void SoundSystem::Play(std::string_view name, bool waitForEnd) {
    playSound(QString::fromLatin1(name.data(), qsizetype(name.size())), waitForEnd);
}

void SoundSystem::waitForEnd(int milliseconds) {
    if (!wave_->playing())
        return;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(milliseconds + 100);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
        if (!wave_->playing())
            loop.quit();
    });
    poll.start(10);
    // Clicks, keys and network messages wait until the sound has ended, as
    // the move it belongs to does.
    loop.exec(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
}

// ---- Spoken card names -------------------------------------------------------------------

bool SoundSystem::sayCard(TStr2 card, int language) {
    const QString name = voiceResourceName(card, language);
    if (name.isEmpty() || !wave_)
        return false;
    if (voiceObserver_)
        voiceObserver_(name);
    const ResourceLibrary library(folder_, QLatin1String(kVoiceLibrary));
    if (!library.isOpen())
        return false;
    const QByteArray wave = library.bytes(QStringLiteral("wav"), name);
    if (!parseWave(wave).valid)
        return false;
    wave_->start(wave);
    return true;
}

// ---- Melody ------------------------------------------------------------------------------------

QString SoundSystem::musicFile() const {
    return QDir(temporaryFolder_).filePath(QLatin1String(kMusicFileName));
}

bool SoundSystem::prepareMusic() {
    const QString path = musicFile();
    // A file left by an earlier run is reused; one that is not a MIDI file
    // (cut short, overwritten) is written anew.
    if (!isMidiFile(path)) {
        QFile song(QStringLiteral(":/res/raw/MidiSong"));
        if (!song.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = song.readAll();
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
            return false;
    }
    musicOpened_ = midi_ && midi_->open(path);
    return true;
}

void SoundSystem::music(bool on) {
    if (!midi_)
        return;
    if (!on) {
        midi_->stop();
        return;
    }
    if (!musicOpened_ || midi_->failed() || !QFileInfo::exists(musicFile()) || midi_->playing())
        return;
    midi_->play();
}

bool SoundSystem::musicPlaying() const {
    return midi_ && midi_->playing();
}

void SoundSystem::closeMusic() {
    if (midi_)
        midi_->close();
    musicOpened_ = false;
    QFile::remove(musicFile());
}

} // namespace quarn
