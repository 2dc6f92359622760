#include "table/FilmSaver.h"

#include "table/HandFilm.h"

namespace quarn {

void FilmSaver::save(QString folder, QString name, std::vector<GifFrame> frames, QSize screen,
                     QObject *context, std::function<void()> written) {
    wait();
    {
        const std::lock_guard lock(mutex_);
        busy_ = true;
        result_.reset();
    }
    worker_ = std::thread([this, folder = std::move(folder), name = std::move(name),
                           frames = std::move(frames), screen, context,
                           written = std::move(written)]() mutable {
        const bool ok = saveFilm(folder, name, frames, screen);
        frames.clear(); // the memory of the film goes as soon as it is written
        {
            const std::lock_guard lock(mutex_);
            result_ = ok;
            busy_ = false;
        }
        if (context && written)
            QMetaObject::invokeMethod(context, std::move(written), Qt::QueuedConnection);
    });
}

bool FilmSaver::busy() const {
    const std::lock_guard lock(mutex_);
    return busy_;
}

void FilmSaver::wait() {
    if (worker_.joinable())
        worker_.join();
}

std::optional<bool> FilmSaver::takeResult() {
    const std::lock_guard lock(mutex_);
    std::optional<bool> taken = result_;
    result_.reset();
    return taken;
}

} // namespace quarn
