#pragma once
// The program's sound: effects from its own resources (:/res/wav/<name>),
// spoken card names from the voice library WemCVoice3.dll, and the
// background melody (:/res/raw/MidiSong) played from a temporary MIDI file.
//
// The sound goes out through two small outputs: WaveOutput (Qt Multimedia)
// and MidiOutput (FluidSynth). Without an audio device or a sound font they
// stay silent and nothing fails. Tests put recording outputs in their place.

#include "rules/Card.h"
#include "rules/SoundPlayer.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>
#include <memory>

namespace quarn {

inline constexpr const char *kVoiceLibrary = "WemCVoice3.dll";
inline constexpr const char *kMusicFileName = "temp46_25.mid";

// The layout of a PCM WAVE file.
struct WaveFormat {
    bool valid = false;
    int rate = 0;
    int channels = 0;
    int bits = 0;
    qsizetype dataOffset = 0;
    qsizetype dataSize = 0;
    // Playing time in milliseconds.
    int milliseconds() const;
};

// Reads the RIFF chunks; invalid for anything but 8- or 16-bit PCM with a
// data chunk that lies inside the bytes.
WaveFormat parseWave(const QByteArray &wave);

// Plays one complete WAVE at a time.
class WaveOutput {
  public:
    virtual ~WaveOutput() = default;
    // Starts `wave`, cutting whatever plays.
    virtual void start(const QByteArray &wave) = 0;
    virtual void stop() = 0;
    virtual bool playing() const = 0;
};

// Plays a MIDI file from its start.
class MidiOutput {
  public:
    virtual ~MidiOutput() = default;
    // Takes the file; false when the player cannot work (no sound font, no synthesiser).
    virtual bool open(const QString &file) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual bool playing() const = 0;
    // The player failed (for instance no audio device): it will not play.
    virtual bool failed() const = 0;
};

std::unique_ptr<WaveOutput> makeWaveOutput();
std::unique_ptr<MidiOutput> makeMidiOutput();

// The voice resource of a card in a language: suit + rank + "Voice" +
// language code ("Pi5AVoiceKor"); empty for a code that is not a card.
QString voiceResourceName(TStr2 card, int language);

class SoundSystem : public SoundPlayer {
  public:
    // programFolder: where the voice library is looked for (and in its parent).
    explicit SoundSystem(QString programFolder);
    ~SoundSystem() override;
    SoundSystem(const SoundSystem &) = delete;
    SoundSystem &operator=(const SoundSystem &) = delete;

    // Whether effects are switched on, asked at each effect (default: on).
    void setEffectsSwitch(std::function<bool()> effectsOn) { effectsOn_ = std::move(effectsOn); }

    // ---- Effects -------------------------------------------------------------
    // Plays effect `name` when effects are on. Without wait the call returns
    // at once; with wait it returns when the sound has ended (user input
    // waits meanwhile; the wait is bounded by the sound's length).
    void playSound(const QString &name, bool wait);
    void Play(std::string_view name, bool waitForEnd) override;

    // ---- Spoken card names ------------------------------------------------------
    // Plays the name of `card` in `language` from the voice library, opened
    // for this one sound. False when the library or its resource is missing.
    bool sayCard(TStr2 card, int language);

    // ---- Melody -----------------------------------------------------------------
    // Writes the temporary MIDI file unless it is already there, and gives it
    // to the MIDI player. False only when the file cannot be written.
    bool prepareMusic();
    // Starts (when not already playing) or stops the melody; starting does
    // nothing when the file is missing or the player failed.
    void music(bool on);
    bool musicPlaying() const;
    // Stops the melody, closes the player and deletes the temporary file.
    void closeMusic();
    QString musicFile() const;
    // The system's temporary folder unless set (tests).
    void setTemporaryFolder(const QString &folder) { temporaryFolder_ = folder; }

    // ---- Seams ------------------------------------------------------------------------
    void setWaveOutput(std::unique_ptr<WaveOutput> output);
    void setMidiOutput(std::unique_ptr<MidiOutput> output);
    // Called with the voice resource name each spoken card asks for.
    void setVoiceObserver(std::function<void(const QString &)> observer) {
        voiceObserver_ = std::move(observer);
    }

  private:
    QByteArray effect(const QString &name);
    void waitForEnd(int milliseconds);

    QString folder_;
    QString temporaryFolder_;
    std::function<bool()> effectsOn_;
    std::function<void(const QString &)> voiceObserver_;
    std::unique_ptr<WaveOutput> wave_;
    std::unique_ptr<MidiOutput> midi_;
    QHash<QString, QByteArray> effects_;
    bool musicOpened_ = false;
};

} // namespace quarn
