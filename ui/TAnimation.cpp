#include "ui/TAnimation.h"

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
    movie_->stop();
    movie_->jumpToFrame(0);
    movie_->start();
}

void TAnimation::standStill(int frame) {
    if (!movie_)
        return;
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
    return movie_ && movie_->state() == QMovie::Running;
}

void TAnimation::stopAtLastFrame(int frame) {
    if (!loop_ && movie_ && frame == movie_->frameCount() - 1)
        movie_->setPaused(true);
}

} // namespace quarn
