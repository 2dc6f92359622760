#include "match/TImage.h"

#include <QMouseEvent>

namespace quarn {

TImage::TImage(const QString &name, QWidget *parent) : QWidget(parent) {
    setObjectName(name);
    setAccessibleName(name);
    setMouseTracking(true);
    hide();
}

void TImage::mouseReleaseEvent(QMouseEvent *event) {
    emit mouseUp(event->button(), event->position().toPoint());
}

void TImage::mouseMoveEvent(QMouseEvent *event) {
    emit mouseMoved(event->position().toPoint());
}

void TImage::leaveEvent(QEvent *) {
    emit mouseLeft();
}

} // namespace quarn
