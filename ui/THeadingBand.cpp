#include "ui/THeadingBand.h"

#include <QPainter>

namespace quarn {

THeadingBand::THeadingBand(QWidget *parent) : QWidget(parent) {}

void THeadingBand::setFilled(bool filled) {
    filled_ = filled;
    update();
}

void THeadingBand::setRibbon(const QImage &ribbon, QPoint at) {
    ribbon_ = ribbon;
    ribbonAt_ = at;
    update();
}

void THeadingBand::setHeading(const QImage &heading, QPoint at) {
    heading_ = heading;
    headingAt_ = at;
    update();
}

void THeadingBand::setTitle(const QString &title, const QFont &font, const QColor &colour,
                            int top) {
    title_ = title;
    titleFont_ = font;
    titleColour_ = colour;
    titleTop_ = top;
    update();
}

void THeadingBand::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (filled_)
        painter.fillRect(rect(), palette().color(QPalette::Button));
    if (!ribbon_.isNull())
        painter.drawImage(ribbonAt_, ribbon_);
    if (!heading_.isNull())
        painter.drawImage(headingAt_, heading_);
    if (!title_.isEmpty()) {
        painter.setRenderHint(QPainter::TextAntialiasing);
        // Kept between the ribbon's tails, however long the translation.
        painter.setFont(fitToWidth(titleFont_, title_, width() * 3 / 4));
        drawShadowedText(painter, title_, titleColour_, TextAlign::Centre, 0, width(), titleTop_);
    }
}

} // namespace quarn
