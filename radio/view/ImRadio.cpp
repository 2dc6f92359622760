#include "radio/view/ImRadio.h"

#include "table/Pictures.h"
#include "table/Scaling.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quarn {

namespace {

constexpr double kSmallestScale = 1.6;
const QPoint kShelfAt(0, 71);
const QPoint kRadioAt(37, 6);

QImage ownPicture(const QString &name) {
    return QImage(QStringLiteral(":/res/png/") + name);
}

} // namespace

std::optional<QPoint> radioIndicatorPlace(double scale, const QRect &animation,
                                          const QRect &button5, const QRect &button6,
                                          int clientHeight) {
    if (scale < kSmallestScale)
        return std::nullopt;
    // Whole halves: (a + b) / 2 - 110 and (h + top + height) / 2 - 62.5.
    const std::int64_t animationRight = animation.x() + animation.width();
    const int left = int(roundHalfEven(animationRight + button6.x() - 220, std::int64_t(2)));
    const int top = int(roundHalfEven(
        std::int64_t(clientHeight) + button5.y() + button5.height() - 125, std::int64_t(2)));
    return QPoint(left, top);
}

ImRadio::ImRadio(RadioController &radio, QWidget *parent) : QWidget(parent), radio_(radio) {
    initBuiltinPictures();
    setObjectName(QStringLiteral("ImRadio"));
    setFixedSize(kRadioIndicatorSize);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    connect(&radio_, &RadioController::changed, this, [this] { refresh(); });
    refresh();
}

void ImRadio::setBackground(const QImage &background) {
    background_ = background;
    update();
}

QString ImRadio::statePicture() const {
    switch (radio_.look()) {
    case RadioLook::CannotUse:
        return QStringLiteral("GRadioB");
    case RadioLook::Off:
    case RadioLook::Reconnecting: // switched on, silent until the stream is back
        return QStringLiteral("GRadioR");
    case RadioLook::Playing:
        return QStringLiteral("GRadioG");
    }
    return {};
}

void ImRadio::refresh() {
    setToolTip(radio_.hint());
    setAccessibleName(radio_.hint());
    update();
}

void ImRadio::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (!background_.isNull())
        painter.drawImage(QPoint(0, 0), background_);
    painter.drawImage(kShelfAt, ownPicture(QStringLiteral("GPolkaNw")));
    painter.drawImage(kRadioAt, ownPicture(QStringLiteral("GRadioA")));
    painter.drawImage(kRadioAt, ownPicture(statePicture()));
}

void ImRadio::mouseReleaseEvent(QMouseEvent *event) {
    if (rect().contains(event->position().toPoint()))
        radio_.ToggleRadio(event->button(), window());
}

void ImRadio::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        radio_.ToggleRadio(Qt::LeftButton);
        break;
    case Qt::Key_Menu:
        radio_.ToggleRadio(Qt::RightButton, window());
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace quarn
