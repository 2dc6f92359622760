#pragma once
// What a window shows while one of its requests runs: the busy pointer over
// the window, the button that started the request disabled, and after half a
// second a small "Please, wait..." text. The window stays usable otherwise:
// it repaints, moves and closes as usual.
#include <QObject>
#include <QPointer>
#include <QRect>

#include <vector>

class QLabel;
class QTimer;
class QWidget;

namespace quarn {

class RequestProgress : public QObject {
    Q_OBJECT
  public:
    // `place` is where the text appears, in the window's coordinates.
    RequestProgress(QWidget *window, const QRect &place);

    // A request started by `button` (may be null); begins nest.
    void begin(QWidget *button = nullptr);
    // The request has ended: the button comes back as it was before.
    void end();
    bool running() const { return running_ > 0; }
    // The waiting text (shown half a second into a request).
    QLabel *text() const { return text_; }

    static constexpr int kTextDelayMs = 500;

  private:
    struct Pressed {
        QPointer<QWidget> button;
        bool wasEnabled = false;
    };
    QWidget *window_;
    QLabel *text_;
    QTimer *delay_;
    int running_ = 0;
    std::vector<Pressed> pressed_;
};

} // namespace quarn
