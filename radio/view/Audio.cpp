#include "radio/view/Audio.h"

#include <QAudioOutput>
#include <QMediaPlayer>

#include <algorithm>

namespace quarn {

Audio::Audio(QObject *parent) : QObject(parent) {}

Audio::~Audio() {
    Free();
}

bool Audio::StreamCreateURL(const QString &url) {
    Free();
    const QUrl address(url, QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || (scheme != QLatin1String("http") &&
                               scheme != QLatin1String("https") && scheme != QLatin1String("file")))
        return false;
    source_ = address;
    ended_ = false;
    output_ = new QAudioOutput(this);
    output_->setVolume(float(volume_));
    player_ = new QMediaPlayer(this);
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::errorOccurred, this, [this] { onError(); });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::InvalidMedia) {
                    onError();
                } else if (status == QMediaPlayer::EndOfMedia && playing_) {
                    playing_ = false;
                    ended_ = true;
                    emit finished();
                }
            });
    player_->setSource(source_);
    return true;
}

void Audio::ChannelPlay() {
    if (!player_ || playing_)
        return;
    playing_ = true;
    ended_ = false;
    player_->play();
}

void Audio::ChannelStop() {
    if (!player_)
        return;
    playing_ = false;
    player_->pause();
}

void Audio::ChannelSetVolume(double volume) {
    volume_ = std::clamp(volume, 0.0, 1.0);
    if (output_)
        output_->setVolume(float(volume_));
}

qint64 Audio::ChannelGetPosition() const {
    return player_ ? player_->position() : 0;
}

qint64 Audio::ChannelGetLength() const {
    return player_ ? player_->duration() : 0;
}

void Audio::Free() {
    playing_ = false;
    if (player_) {
        player_->disconnect(this);
        player_->stop();
        // Deleted later: the player may still be inside one of its own signals.
        player_->deleteLater();
        output_->deleteLater();
    }
    player_ = nullptr;
    output_ = nullptr;
    source_.clear();
}

void Audio::onError() {
    if (!player_)
        return;
    const bool wasPlaying = playing_;
    playing_ = false;
    player_->stop();
    if (wasPlaying || player_->mediaStatus() == QMediaPlayer::InvalidMedia)
        emit failed();
}

} // namespace quarn
