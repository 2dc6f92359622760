#include "radio/view/Audio.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <algorithm>

namespace quarn {

void Audio::prepareBackend() {
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

Audio::Audio(QObject *parent) : QObject(parent) {
    prepareBackend();
}

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
    received_ = false;
    created_ = true;
    if (QMediaDevices::defaultAudioOutput().isNull())
        return true; // fetched on play, heard nowhere
    output_ = new QAudioOutput(this);
    output_->setVolume(float(volume_));
    player_ = new QMediaPlayer(this);
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::errorOccurred, this, [this] { onError(); });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::InvalidMedia)
                    onError();
                else if (status == QMediaPlayer::BufferedMedia)
                    onReceiving();
                else if (status == QMediaPlayer::EndOfMedia)
                    onEnd();
            });
    player_->setSource(source_);
    return true;
}

void Audio::ChannelPlay() {
    if (!created_ || playing_)
        return;
    playing_ = true;
    ended_ = false;
    if (player_)
        player_->play();
    else if (fetchWithoutDevice_)
        fetchWithoutDevice();
}

void Audio::fetchWithoutDevice() {
    if (!network_)
        network_ = new QNetworkAccessManager(this);
    QNetworkRequest request(source_);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    reply_ = network_->get(request);
    QNetworkReply *reply = reply_;
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        discarded_ += reply->skip(reply->bytesAvailable());
        if (reply == reply_)
            onReceiving();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        if (reply != reply_)
            return;
        reply_ = nullptr;
        if (reply->error() == QNetworkReply::NoError)
            onEnd();
        else
            onError();
    });
}

void Audio::ChannelStop() {
    playing_ = false;
    if (player_)
        player_->pause();
    if (reply_) {
        QNetworkReply *reply = reply_;
        reply_ = nullptr; // its end is no longer the stream's
        reply->abort();
    }
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
    ChannelStop();
    if (player_) {
        player_->disconnect(this);
        player_->stop();
        // Deleted later: the player may still be inside one of its own signals.
        player_->deleteLater();
        output_->deleteLater();
    }
    player_ = nullptr;
    output_ = nullptr;
    created_ = false;
    source_.clear();
}

void Audio::onReceiving() {
    if (received_ || !playing_)
        return;
    received_ = true;
    emit receiving();
}

void Audio::onEnd() {
    if (!playing_)
        return;
    playing_ = false;
    ended_ = true;
    emit finished();
}

void Audio::onError() {
    if (!created_)
        return;
    playing_ = false;
    if (player_)
        player_->stop();
    emit failed();
}

} // namespace quarn
