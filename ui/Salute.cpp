#include "ui/Salute.h"

#include "ui/GraphicsLibrary.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace quarn {

namespace {

constexpr int FrameSide = 100;
constexpr int FrameCount = 30;
constexpr int FrameMs = 12;

class SaluteOverlay : public QWidget {
  public:
    explicit SaluteOverlay(QImage strip)
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
          strip_(std::move(strip)) {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_DeleteOnClose);
        resize(FrameSide, FrameSide);
        timer_.setInterval(FrameMs);
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (++frame_ >= std::min(FrameCount, strip_.width() / FrameSide))
                close();
            else
                update();
        });
        timer_.start();
    }

  protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), strip_, QRect(frame_ * FrameSide, 0, FrameSide, FrameSide));
    }

  private:
    QImage strip_;
    QTimer timer_;
    int frame_ = 0;
};

} // namespace

bool playSalute(const QString &programFolder, QPoint globalCentre) {
    const auto library = GraphicsLibrary::load(programFolder, {QStringLiteral("GTouch")});
    if (!library)
        return false;
    const QImage strip = library->picture(QStringLiteral("GTouch"));
    if (strip.width() < FrameSide || strip.height() < FrameSide)
        return false;
    auto *overlay = new SaluteOverlay(strip);
    overlay->move(globalCentre - QPoint(FrameSide / 2, FrameSide / 2));
    overlay->show();
    return true;
}

} // namespace quarn
