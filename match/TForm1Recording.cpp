// Recording hands as animated GIFs: from the deal to the settlement the
// window is captured every 100 ms, changed pictures are kept as frames, and
// the film is written into GIFGame beside the program on a worker thread
// while a small banner says so.
#include "match/TForm1.h"

#include "lang/QtWords.h"
#include "ui/TAnimation.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace quarn {

namespace {

constexpr int CaptureIntervalMs = 100;
constexpr int BannerWidth = 175;
constexpr int BannerHeight = 40;
constexpr int BannerTextTop = 10;
constexpr int FailureShownMs = 4000;

} // namespace

void TForm1::createRecordingControls() {
    if (gifTimer_)
        return;
    gifTimer_ = new QTimer(this);
    gifTimer_->setObjectName(QStringLiteral("TimerGIF"));
    gifTimer_->setInterval(CaptureIntervalMs);
    connect(gifTimer_, &QTimer::timeout, this, &TForm1::CaptureFrame);
    gifBanner_ = new QLabel(this);
    gifBanner_->setObjectName(QStringLiteral("GifBanner"));
    gifBanner_->hide();
}

void TForm1::setRecordingClock(std::function<QDateTime()> clock) {
    recordingClock_ = std::move(clock);
}

bool TForm1::recording() const {
    return gifTimer_ && gifTimer_->isActive();
}

QString TForm1::gifFolder() const {
    return folder_ + QStringLiteral("GIFGame");
}

QString TForm1::gifBannerText() const {
    return gifBanner_ && gifBanner_->isVisible() ? gifBanner_->accessibleName() : QString();
}

void TForm1::StartRecording() {
    if (!settings_.recordGif)
        return;
    createRecordingControls();
    // The film holds the table only: a running animation would make every
    // capture a new frame. It stays hidden until the menu shows it again.
    animations_[0]->hide();
    repaint();
    film_.start();
    gifTimer_->start();
    CaptureFrame();
}

// The picture of a frame: the window's own drawing (area 1), or the window
// with its frame as the screen shows it (area 2). A screen that gives
// nothing (no display) falls back to the window's own drawing.
QImage TForm1::capturePicture() {
    if (settings_.gifCaptureArea == GifCaptureArea::WholeWindow) {
        if (QScreen *screen = this->screen()) {
            const QRect outside = frameGeometry();
            const QImage shot =
                screen->grabWindow(0, outside.x(), outside.y(), outside.width(), outside.height())
                    .toImage();
            if (!shot.isNull())
                return shot;
        }
    }
    // The banner of a film still being written is not part of the next one.
    const bool bannerShown = gifBanner_ && gifBanner_->isVisible();
    if (bannerShown)
        gifBanner_->setVisible(false);
    const QImage picture = grab().toImage();
    if (bannerShown)
        gifBanner_->setVisible(true);
    return picture;
}

void TForm1::CaptureFrame() {
    if (!settings_.recordGif || !recording() || film_.full())
        return;
    const int delay = std::clamp(settings_.gifFrameDelay, minGifFrameDelay, maxGifFrameDelay);
    film_.offer(capturePicture(), delay);
}

void TForm1::CompleteFilm() {
    if (!settings_.recordGif || !recording())
        return;
    RedrawTable();
    RedrawTabs(0);
    for (int seat = 1; seat <= kSeatCount; ++seat)
        drawSeatHand(seat, seatFaceUp(seat));
    updateGameButtons();
    CaptureFrame();
    SaveRecording();
}

void TForm1::SaveRecording() {
    if (!recording())
        return;
    gifTimer_->stop();
    QSize screen = film_.screen();
    std::vector<GifFrame> frames = film_.takeFrames();
    // Switched off during the hand: the film is dropped, nothing is written.
    if (!settings_.recordGif || frames.empty())
        return;
    animations_[0]->hide();
    // A film still being written is finished (and its banner settled) first,
    // so films are written in the order of their hands.
    waitForRecordingSaved();
    showGifBanner(word(WordEntry::MainCreatingGif));
    const QDateTime now = recordingClock_ ? recordingClock_() : QDateTime::currentDateTime();
    filmSaver_.save(gifFolder(), filmFileName(now), std::move(frames), screen, this, [this] {
        if (const std::optional<bool> ok = filmSaver_.takeResult())
            filmWritten(*ok);
    });
}

void TForm1::waitForRecordingSaved() {
    filmSaver_.wait();
    if (const std::optional<bool> ok = filmSaver_.takeResult())
        filmWritten(*ok);
}

void TForm1::filmWritten(bool ok) {
    if (ok) {
        gifBanner_->hide();
        update();
        return;
    }
    // Told briefly in the banner; the game goes on.
    showGifBanner(word(WordEntry::FileDiskWriteError));
    QTimer::singleShot(FailureShownMs, gifBanner_,
                       [banner = gifBanner_, text = gifBanner_->accessibleName()] {
                           if (banner->accessibleName() == text)
                               banner->hide();
                       });
}

// The banner: the background under it, the ribbon "AdvBar3" stretched over
// it and the text in red, centred, 10 pixels from its top.
void TForm1::showGifBanner(const QString &text) {
    createRecordingControls();
    const QSize client = size();
    const QRect place(int(std::lround(client.width() / 2.0 - BannerWidth / 2.0)),
                      int(std::lround(client.height() / 2.0 - BannerHeight / 2.0)), BannerWidth,
                      BannerHeight);
    QImage banner(place.size(), QImage::Format_RGB32);
    QPainter painter(&banner);
    const QImage &background = pictures_->backgroundImage();
    if (background.isNull()) {
        painter.fillRect(banner.rect(), QColor(0x1E, 0x6B, 0x34));
    } else {
        const double fx = double(background.width()) / std::max(1, client.width());
        const double fy = double(background.height()) / std::max(1, client.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(
            QRectF(banner.rect()), background,
            QRectF(place.x() * fx, place.y() * fy, place.width() * fx, place.height() * fy));
    }
    const QImage ribbon = Pictures::builtin(QStringLiteral("png"), QStringLiteral("AdvBar3"));
    if (!ribbon.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(banner.rect()), ribbon);
    }
    QFont font(QString::fromStdString(settings_.fontNames[1]));
    font.setPixelSize(layout_.scaling.fontPixels(20, settings_.fontScales[1]));
    font.setBold(false);
    font.setItalic(false);
    painter.setFont(font);
    painter.setPen(Qt::red);
    painter.drawText(QRect(0, BannerTextTop, BannerWidth, BannerHeight - BannerTextTop),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, text);
    painter.end();
    gifBanner_->setPixmap(QPixmap::fromImage(banner));
    gifBanner_->setAccessibleName(text);
    gifBanner_->setGeometry(place);
    gifBanner_->show();
    gifBanner_->raise();
    gifBanner_->repaint();
}

// Closing the window: the hand still being recorded is saved, and the
// program waits until every film is written.
void TForm1::finishRecordingOnClose() {
    SaveRecording();
    waitForRecordingSaved();
}

} // namespace quarn
