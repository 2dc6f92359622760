#include "radio/view/TMyMediaPL.h"

#include "radio/view/FreePlace.h"
#include "table/Pictures.h"
#include "ui/Words.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>

namespace quarn {

namespace {

constexpr int kButtonSize = 61;
constexpr int kButtonLefts[3] = {10, 75, 140};
constexpr int kAboveBottom = 70;
constexpr double kSmallestScale = 1.5;
constexpr int kTimerMs = 500;

QImage ownPicture(const QString &name) {
    return QImage(QStringLiteral(":/res/png/") + name);
}

} // namespace

MusicButtonWidget::MusicButtonWidget(QWidget *parent) : QAbstractButton(parent) {
    setFixedSize(kButtonSize, kButtonSize);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void MusicButtonWidget::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (!background_.isNull())
        painter.drawImage(QPoint(0, 0), background_);
    const int shift = isDown() ? 1 : 0;
    painter.drawImage(QPoint(shift, shift), picture_);
    if (number_ >= 0) {
        QFont font = painter.font();
        font.setPixelSize(14);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::yellow);
        painter.drawText(QRect(0, 23 + shift, width(), 16), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(number_));
    }
    if (hasFocus()) {
        painter.setPen(QPen(Qt::yellow, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void MusicButtonWidget::mouseReleaseEvent(QMouseEvent *event) {
    lastReleaseX_ = event->position().toPoint().x();
    QAbstractButton::mouseReleaseEvent(event);
}

TMyMediaPL::TMyMediaPL(MusicContext context, QWidget *window)
    : QObject(window), context_(std::move(context)), window_(window) {
    initBuiltinPictures();
    timer_.setInterval(kTimerMs);
    connect(&timer_, &QTimer::timeout, this, [this] { timerTick(); });
    connect(&audio_, &Audio::failed, this, [this] { songFailed(); });
    connect(&audio_, &Audio::finished, this, [this] { songEnded(); });
}

void TMyMediaPL::MusicSetup() {
    const std::optional<std::string> page =
        context_.fetchSongList ? context_.fetchSongList() : std::nullopt;
    songs_ = page ? parsePlaylist(*page, context_.songFolderUrl) : std::vector<Song>{};
    create_ = musicPlayerInUse(songs_.size());
    n_ = songs_.empty() ? 0 : int(QRandomGenerator::global()->bounded(int(songs_.size()))) + 1;
    play_ = false;
    volume_ = kMusicStartVolume;
    if (!songs_.empty())
        createStream(volume_ / 100.0);

    const WordEntry names[3] = {WordEntry::MusicPlay, WordEntry::MusicNext, WordEntry::RadioVolume};
    const char *objectNames[3] = {"ImagePlay", "ImageNext", "ImageVol"};
    const bool firstSetup = buttons_[0] == nullptr;
    for (int i = 0; i < 3; ++i) {
        if (!buttons_[i])
            buttons_[i] = new MusicButtonWidget(window_);
        buttons_[i]->setObjectName(QLatin1String(objectNames[i]));
        buttons_[i]->setAccessibleName(word(names[i]));
        buttons_[i]->hide();
    }
    buttons_[0]->setToolTipDuration(5000);
    updatePlayHint();
    if (!firstSetup)
        return;
    connect(buttons_[0], &QAbstractButton::clicked, this, [this] { playClicked(); });
    connect(buttons_[1], &QAbstractButton::clicked, this, [this] { NextSong(); });
    connect(buttons_[2], &QAbstractButton::clicked, this,
            [this] { volumeClicked(buttons_[2]->lastReleaseX()); });
    connect(buttons_[0], &QAbstractButton::pressed, this, [this] { DrawMusicButton(1, true); });
    connect(buttons_[1], &QAbstractButton::pressed, this, [this] { DrawMusicButton(2, true); });
    connect(buttons_[2], &QAbstractButton::pressed, this, [this] { DrawMusicButton(3, true); });
}

void TMyMediaPL::createStream(double volume) {
    if (n_ < 1 || n_ > Max())
        return;
    audio_.StreamCreateURL(QString::fromStdString(songs_[std::size_t(n_ - 1)].url));
    audio_.ChannelSetVolume(volume);
}

void TMyMediaPL::setWindowState(double scale, bool titleScreen, const QImage &background,
                                std::vector<QRect> taken) {
    scale_ = scale;
    titleScreen_ = titleScreen;
    background_ = background;
    taken_ = std::move(taken);
}

QPoint TMyMediaPL::rowPlace() const {
    const QPoint wanted(kButtonLefts[0], window_->height() - kAboveBottom);
    const QSize row(kButtonLefts[2] - kButtonLefts[0] + kButtonSize, kButtonSize);
    // The strip along the bottom edge, a few pixels higher than the row.
    const int slack = kAboveBottom - kButtonSize;
    const QRect bottomBand(0, wanted.y() - slack, window_->width(), kAboveBottom + slack);
    const QRect window(QPoint(0, 0), window_->size());
    if (std::optional<QPoint> place = nearestFreePlace(wanted, row, bottomBand, taken_))
        return *place;
    return nearestFreePlace(wanted, row, window, taken_).value_or(wanted);
}

void TMyMediaPL::drawAll() {
    for (int button = 1; button <= 3; ++button)
        DrawMusicButton(button, false);
}

void TMyMediaPL::DrawMusicButton(int button, bool pressed) {
    if (!create_ || button < 1 || button > 3 || !buttons_[button - 1])
        return;
    MusicButtonWidget *widget = buttons_[button - 1];
    if (scale_ < kSmallestScale || titleScreen_) {
        // With its buttons gone the player could not be stopped: the songs stop.
        if (!widget->isHidden())
            stopSongs();
        widget->hide();
        return;
    }
    const QPoint place = rowPlace() + QPoint(kButtonLefts[button - 1] - kButtonLefts[0], 0);
    widget->move(place);
    if (!background_.isNull())
        widget->setBackground(background_.copy(QRect(place, QSize(kButtonSize, kButtonSize))));
    switch (button) {
    case 1:
        widget->setPicture(
            ownPicture(play_ ? QStringLiteral("MP_Pause") : QStringLiteral("MP_Play")));
        break;
    case 2:
        widget->setPicture(ownPicture(QStringLiteral("MP_Next")));
        break;
    case 3:
        widget->setPicture(ownPicture(QStringLiteral("MP_Volume")));
        widget->setNumber(volume_);
        break;
    }
    widget->setDown(pressed);
    widget->show();
}

void TMyMediaPL::startPlaying() {
    play_ = true;
    timer_.start();
    if (context_.melody && context_.melody->melodyOn())
        context_.melody->switchMelodyOff();
    emit startedPlaying();
}

void TMyMediaPL::playClicked() {
    if (!create_)
        return;
    if (play_) {
        audio_.ChannelStop();
        play_ = false;
        timer_.stop();
    } else {
        if (!audio_.hasStream())
            createStream(volume_ / 100.0);
        audio_.ChannelPlay();
        failuresInRow_ = 0;
        startPlaying();
    }
    DrawMusicButton(1, false);
}

void TMyMediaPL::NextSong() {
    if (songs_.empty())
        return;
    playRandomSong();
    startPlaying();
    DrawMusicButton(1, false);
    DrawMusicButton(2, false);
}

void TMyMediaPL::volumeClicked(int x) {
    volume_ = musicVolumeAfterClick(volume_, x);
    audio_.ChannelSetVolume(volume_ / 100.0);
    DrawMusicButton(3, false);
}

void TMyMediaPL::stopForRadio() {
    if (!play_)
        return;
    stopSongs();
    DrawMusicButton(1, false);
}

void TMyMediaPL::stopSongs() {
    if (!play_)
        return;
    audio_.ChannelStop();
    play_ = false;
    timer_.stop();
}

void TMyMediaPL::timerTick() {
    if (!play_)
        return;
    const qint64 length = audio_.ChannelGetLength();
    if (audio_.ended() || (length > 0 && audio_.ChannelGetPosition() >= length))
        songEnded();
}

void TMyMediaPL::songEnded() {
    if (!play_)
        return;
    // The song played: the failures before it no longer count as a row.
    failuresInRow_ = 0;
    playRandomSong(); // without redrawing the buttons
}

void TMyMediaPL::songFailed() {
    // A song that cannot be opened plays nothing: the next one is tried,
    // but a list whose every song fails stops instead of trying for ever.
    if (!play_)
        return;
    if (++failuresInRow_ >= std::max(Max(), 1)) {
        play_ = false;
        timer_.stop();
        DrawMusicButton(1, false);
        return;
    }
    playRandomSong();
}

void TMyMediaPL::playRandomSong() {
    audio_.Free();
    n_ = int(QRandomGenerator::global()->bounded(Max())) + 1;
    createStream(volume_ / 100.0);
    audio_.ChannelPlay();
    updatePlayHint();
}

void TMyMediaPL::updatePlayHint() {
    if (!buttons_[0] || n_ < 1 || n_ > Max())
        return;
    const Song &song = songs_[std::size_t(n_ - 1)];
    buttons_[0]->setToolTip(QStringLiteral("<b>%1</b><br>%2")
                                .arg(QString::fromStdString(song.artist).toHtmlEscaped(),
                                     QString::fromStdString(song.title).toHtmlEscaped()));
    buttons_[0]->setAccessibleDescription(QString::fromStdString(song.artist) +
                                          QStringLiteral("  :  ") +
                                          QString::fromStdString(song.title));
}

} // namespace quarn
