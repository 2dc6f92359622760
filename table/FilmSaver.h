#pragma once
// Writes hand films on a worker thread, so that a long hand is saved without
// freezing the game. The frames are handed over whole; one film is written
// at a time, in the order they were given, and the owner waits for a film
// still being written before it goes away, so no film is lost or cut short.
//
//   saver.save(folder, name, film.takeFrames(), film.screen(), window, [window] {
//       if (auto ok = window->saver.takeResult()) window->filmWritten(*ok);
//   });
//   ...
//   saver.wait();  // before closing

#include "table/GifWriter.h"

#include <QObject>
#include <QString>

#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace quarn {

class FilmSaver {
  public:
    FilmSaver() = default;
    FilmSaver(const FilmSaver &) = delete;
    FilmSaver &operator=(const FilmSaver &) = delete;
    ~FilmSaver() { wait(); }

    // Starts writing the film (after the one before it, if that is still
    // being written). When it is written, `written` is called on the thread
    // of `context`, which must outlive this saver (its owner waits for it).
    void save(QString folder, QString name, std::vector<GifFrame> frames, QSize screen,
              QObject *context, std::function<void()> written);

    // True from save() until the film has been written.
    bool busy() const;
    // Blocks until the film being written (if any) is written.
    void wait();
    // Whether the last written film was written, once; empty while it is
    // being written or when the result was taken already.
    std::optional<bool> takeResult();

  private:
    std::thread worker_;
    mutable std::mutex mutex_;
    bool busy_ = false;
    std::optional<bool> result_;
};

} // namespace quarn
