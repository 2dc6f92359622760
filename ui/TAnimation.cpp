#include "ui/TAnimation.h"

#include <QHideEvent>
#include <QShowEvent>

namespace quarn {

TAnimation::TAnimation(QWidget *parent) : QLabel(parent) {
    setScaledContents(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

TAnimation::~TAnimation() {
    // The movie reads from the buffer: release the label's hold first.
    QLabel::setMovie(nullptr);
}

bool TAnimation::load(const QByteArray &gif) {
    clear();
    if (gif.isEmpty())
        return false;
    data_ = gif;
    buffer_ = std::make_unique<QBuffer>(&data_);
    buffer_->open(QIODevice::ReadOnly);
    auto movie = std::make_unique<QMovie>(buffer_.get(), QByteArray("gif"));
    // Every frame kept once read, so a still frame can lie before the current one.
    movie->setCacheMode(QMovie::CacheAll);
    if (!movie->isValid() || !movie->jumpToFrame(0) || movie->currentImage().isNull()) {
        buffer_.reset();
        data_.clear();
        return false;
    }
    movie_ = std::move(movie);
    connect(movie_.get(), &QMovie::frameChanged, this, &TAnimation::stopAtLastFrame);
    QLabel::setMovie(movie_.get());
    return true;
}

void TAnimation::run(bool loop) {
    if (!movie_)
        return;
    loop_ = loop;
    running_ = true;
    movie_->stop();
    movie_->jumpToFrame(0);
    followVisibility(isVisible() && !window()->isMinimized());
}

void TAnimation::standStill(int frame) {
    if (!movie_)
        return;
    running_ = false;
    movie_->stop();
    const int count = frameCount();
    const int index = count > 0 ? std::clamp(frame, 1, count) - 1 : 0;
    movie_->jumpToFrame(index);
}

void TAnimation::present(bool animationsOn, int stillFrame, bool loop) {
    if (animationsOn)
        run(loop);
    else
        standStill(stillFrame);
    QLabel::show();
}

void TAnimation::clear() {
    running_ = false;
    QLabel::setMovie(nullptr);
    QLabel::clear();
    movie_.reset();
    buffer_.reset();
    data_.clear();
}

int TAnimation::frameCount() const {
    return movie_ ? movie_->frameCount() : 0;
}

int TAnimation::currentFrame() const {
    return movie_ ? movie_->currentFrameNumber() + 1 : 0;
}

bool TAnimation::running() const {
    return movie_ && running_;
}

bool TAnimation::ticking() const {
    return movie_ && movie_->state() == QMovie::Running;
}

void TAnimation::showEvent(QShowEvent *event) {
    QLabel::showEvent(event);
    followVisibility(true);
}

void TAnimation::hideEvent(QHideEvent *event) {
    // Also the spontaneous hide of a minimized window, which stays "visible".
    QLabel::hideEvent(event);
    followVisibility(false);
}

// The frame timer runs only while the animation runs and can be seen.
void TAnimation::followVisibility(bool shown) {
    if (!movie_)
        return;
    const bool tick = running_ && shown;
    if (tick && movie_->state() == QMovie::NotRunning)
        movie_->start();
    else if (tick && movie_->state() == QMovie::Paused)
        movie_->setPaused(false);
    else if (!tick && movie_->state() == QMovie::Running)
        movie_->setPaused(true);
}

void TAnimation::stopAtLastFrame(int frame) {
    if (!loop_ && movie_ && frame == movie_->frameCount() - 1) {
        running_ = false;
        movie_->setPaused(true);
    }
}

} // namespace quarn
