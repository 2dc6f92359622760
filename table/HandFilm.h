#pragma once
// The film of one hand: pictures of the main window taken a few times a
// second from the deal to the settlement, of which only those that differ
// from the one before are kept. A kept picture is stored as the rectangle
// in which it differs, so a hand of idle waits and single card moves stays
// small in memory; at most 250 frames are kept.
//
//   HandFilm film;
//   film.start();
//   film.offer(window.grab().toImage(), settings.gifFrameDelay);  // each tick
//   std::vector<GifFrame> frames = film.takeFrames();              // at the end
//   saveFilm(folder + "GIFGame", filmFileName(now), std::move(frames));

#include "table/GifWriter.h"

#include <QDateTime>
#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

namespace quarn {

// Pictures of different sizes, or with any pixel that differs, are different.
bool samePicture(const QImage &a, const QImage &b);

// The smallest rectangle holding every pixel in which two pictures of the
// same size differ; empty when they are equal.
QRect changedRectangle(const QImage &before, const QImage &after);

class HandFilm {
  public:
    static constexpr int MaxFrames = 250;
    static constexpr int LastFrameMs = 5000;

    // Empties the film for a new hand.
    void start();
    // Keeps the picture as the next frame, shown for delayMs, unless the film
    // is full or the picture equals the previous frame. True when kept.
    bool offer(const QImage &picture, int delayMs);

    int frameCount() const { return int(frames_.size()); }
    bool full() const { return frameCount() >= MaxFrames; }
    // The size of the film's first frame (the animation's screen).
    QSize screen() const { return screen_; }
    const std::vector<GifFrame> &frames() const { return frames_; }

    // Hands the frames over, the last one shown for 5 seconds, and empties
    // the film.
    std::vector<GifFrame> takeFrames();

  private:
    std::vector<GifFrame> frames_;
    QImage previous_;
    QSize screen_;
};

// The film's file name for the moment it is saved: "2022.10.18-09.28.14.gif".
QString filmFileName(const QDateTime &moment);

// Writes a film into the folder (created when missing) under the name; the
// file appears whole or not at all. False when it could not be written.
bool saveFilm(const QString &folder, const QString &name, const std::vector<GifFrame> &frames,
              QSize screen);

} // namespace quarn
