#pragma once
// An animated picture of a window (the program's own GIF animations or those
// of the graphics library): it runs, looping or once, or stands still on one
// frame when animations are switched off. It advances only while it is
// shown: a hidden animation (or one in a hidden or minimized window) keeps
// no timer and goes on where it stood when it is shown again.

#include <QBuffer>
#include <QByteArray>
#include <QLabel>
#include <QMovie>

#include <memory>

namespace quarn {

class TAnimation : public QLabel {
    Q_OBJECT
  public:
    explicit TAnimation(QWidget *parent = nullptr);
    ~TAnimation() override;

    // Takes the GIF's bytes; false (and an empty picture) when they are not a
    // readable animation.
    bool load(const QByteArray &gif);
    bool loaded() const { return movie_ != nullptr; }

    // Runs from the first frame; without `loop` it stops on the last frame.
    void run(bool loop = true);
    // Stands still on frame `frame` (counted from 1; the last frame when
    // there are fewer).
    void standStill(int frame);
    // Runs, or stands still on `stillFrame` when animations are off.
    void present(bool animationsOn, int stillFrame, bool loop = true);
    // Empties the picture.
    void clear();

    int frameCount() const;
    int currentFrame() const; // counted from 1; 0 when empty
    // True when it runs (whenever it is shown), false when it stands still.
    bool running() const;
    // True while its frame timer is live: running and shown.
    bool ticking() const;

  protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

  private:
    void stopAtLastFrame(int frame);
    void followVisibility(bool shown);

    QByteArray data_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QMovie> movie_;
    bool loop_ = true;
    bool running_ = false;
};

} // namespace quarn
