#pragma once
// One audio stream played from an address, with the operations the radio and
// the music player use: create a stream for a URL, play it, stop it, set its
// volume, read its position and length, and free it. Built on Qt Multimedia;
// opening and buffering run in the background, so no call waits for the
// network. A stream that cannot be opened or breaks off is stopped and
// reported by `failed`; without an audio device every call still works and
// the stream simply cannot be heard.

#include <QObject>
#include <QString>
#include <QUrl>

class QAudioOutput;
class QMediaPlayer;

namespace quarn {

class Audio : public QObject {
    Q_OBJECT
  public:
    explicit Audio(QObject *parent = nullptr);
    ~Audio() override;

    // Replaces the current stream with one for `url`, not yet playing; false
    // (and no stream) for an address that is not http, https or a local file.
    bool StreamCreateURL(const QString &url);
    // Plays the stream from where it stands (no restart).
    void ChannelPlay();
    void ChannelStop();
    // 0.0 to 1.0.
    void ChannelSetVolume(double volume);
    // In milliseconds; 0 while unknown.
    qint64 ChannelGetPosition() const;
    qint64 ChannelGetLength() const;
    // Releases the stream.
    void Free();

    bool hasStream() const { return player_ != nullptr; }
    bool playing() const { return playing_; }
    // The stream reached its end (a song) since it last started.
    bool ended() const { return ended_; }
    double volume() const { return volume_; }
    QUrl source() const { return source_; }

  signals:
    // The stream could not be opened or broke off; it is stopped.
    void failed();
    // The stream played to its end.
    void finished();

  private:
    void onError();

    QMediaPlayer *player_ = nullptr;
    QAudioOutput *output_ = nullptr;
    QUrl source_;
    double volume_ = 1.0;
    bool playing_ = false;
    bool ended_ = false;
};

} // namespace quarn
