#pragma once
// One audio stream played from an address, with the operations the radio and
// the music player use: create a stream for a URL, play it, stop it, set its
// volume, read its position and length, and free it. Built on Qt Multimedia;
// opening and buffering run in the background, so no call waits for the
// network. A stream that cannot be opened or breaks off is stopped and
// reported by `failed`. Without an audio output device nothing is fetched
// (a radio stream nobody hears would hold one of the server's stream slots
// for hours) unless a test asks for it: then the bytes go nowhere, and the
// failures and ends are reported as with a device.

#include <QObject>
#include <QString>
#include <QUrl>

class QAudioOutput;
class QMediaPlayer;
class QNetworkAccessManager;
class QNetworkReply;

namespace quarn {

class Audio : public QObject {
    Q_OBJECT
  public:
    explicit Audio(QObject *parent = nullptr);
    ~Audio() override;

    // Chooses the FFmpeg media backend unless one is chosen already; call it
    // before the program's first use of Qt Multimedia (the GStreamer backend
    // of Qt 6.4 crashes when GStreamer's base plugins are missing).
    static void prepareBackend();

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

    // Fetch (and drop) the stream even without an output device; for tests
    // that follow a stream's life on a machine without sound.
    void setFetchWithoutDevice(bool fetch) { fetchWithoutDevice_ = fetch; }

    bool hasStream() const { return created_; }
    bool playing() const { return playing_; }
    // The stream reached its end (a song) since it last started.
    bool ended() const { return ended_; }
    double volume() const { return volume_; }
    QUrl source() const { return source_; }
    // Bytes of the stream that arrived without an output device (tests).
    qint64 discardedBytes() const { return discarded_; }

  signals:
    // The stream could not be opened or broke off; it is stopped.
    void failed();
    // The stream played to its end.
    void finished();
    // The stream's first data arrived (once per stream).
    void receiving();

  private:
    void onError();
    void onEnd();
    void fetchWithoutDevice();
    void onReceiving();

    QMediaPlayer *player_ = nullptr;
    QAudioOutput *output_ = nullptr;
    bool created_ = false;
    QNetworkAccessManager *network_ = nullptr;
    QNetworkReply *reply_ = nullptr;
    qint64 discarded_ = 0;
    QUrl source_;
    double volume_ = 1.0;
    bool playing_ = false;
    bool ended_ = false;
    bool fetchWithoutDevice_ = false;
    bool received_ = false;
};

} // namespace quarn
