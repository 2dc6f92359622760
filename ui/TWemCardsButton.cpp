#include "ui/TWemCardsButton.h"

#include "ui/Resample.h"
#include "ui/UiPictures.h"

#include <QPaintEvent>
#include <QPainter>

namespace quarn {

namespace {

QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Every pixel of a slice in the scheme, its alpha kept.
void recolourPicture(QImage &image, TColorSB scheme, int lighten, bool newLook) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = recolourSlicePixel({qRed(line[x]), qGreen(line[x]), qBlue(line[x])},
                                             scheme, lighten, newLook);
            line[x] = qRgba(c.r, c.g, c.b, qAlpha(line[x]));
        }
    }
}

} // namespace

TWemCardsButton::TWemCardsButton(QWidget *parent) : TWemCardsButton(QString(), parent) {}

TWemCardsButton::TWemCardsButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {
    resize(100, 30);
    setAttribute(Qt::WA_Hover, true);
}

void TWemCardsButton::setColorSB(TColorSB scheme) {
    if (colorSB_ == scheme)
        return;
    colorSB_ = scheme;
    update();
}

void TWemCardsButton::setColorMouse(const QColor &colour) {
    colorMouse_ = colour;
    update();
}

void TWemCardsButton::setLightFont(bool on) {
    lightFont_ = on;
    update();
}

void TWemCardsButton::setGrayDis(bool on) {
    grayDis_ = on;
    update();
}

void TWemCardsButton::setHeightSB(THeightSB height) {
    if (heightSB_ == height && this->height() == heightOf(height))
        return;
    heightSB_ = height;
    resize(width(), heightOf(height));
    update();
}

void TWemCardsButton::setKLightSB(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (kLightSB_ == percent)
        return;
    kLightSB_ = percent;
    update();
}

void TWemCardsButton::setKontur(bool on) {
    kontur_ = on;
    update();
}

void TWemCardsButton::setSmooth(bool on) {
    smooth_ = on;
    update();
}

void TWemCardsButton::setNewStyle(bool on) {
    if (newStyle_ == on)
        return;
    newStyle_ = on;
    update();
}

void TWemCardsButton::setFontColor(const QColor &colour) {
    fontColor_ = colour;
    update();
}

void TWemCardsButton::setGlyph(const QImage &glyph) {
    glyph_ = glyph;
    update();
}

void TWemCardsButton::setGlyphLayout(GlyphLayout layout) {
    layout_ = layout;
    update();
}

void TWemCardsButton::setMargin(int margin) {
    margin_ = margin;
    update();
}

QImage TWemCardsButton::slice(const std::string &set, char part) const {
    QImage image = uiPicture(QString::fromStdString(set + '_' + part));
    if (!image.isNull() && changesColours(colorSB_, kLightSB_))
        recolourPicture(image, colorSB_, kLightSB_, newStyle_);
    return image;
}

void TWemCardsButton::drawEnds(QPainter &painter, const ButtonPlan &plan, QSize size) const {
    const int w = size.width(), h = size.height(), s = plan.side;
    const QRect targets[] = {QRect(0, 0, s, h - 1), QRect(w - s - 1, 0, s, h - 1)};
    const char parts[] = {'L', 'R'};
    for (int i = 0; i < 2; ++i) {
        const QImage end = slice(plan.sliceSet, parts[i]);
        if (end.isNull())
            continue;
        QImage fitted;
        if (!plan.exactHeight && smooth_)
            fitted = resampleBilinear(end, targets[i].size());
        painter.drawImage(targets[i], fitted.isNull() ? end : fitted);
    }
}

void TWemCardsButton::drawMiddle(QPainter &painter, const ButtonPlan &plan, QSize size) const {
    const int w = size.width(), h = size.height(), s = plan.side;
    if (!plan.middleAsLines) {
        const QImage middle = slice(plan.sliceSet, '2');
        if (!middle.isNull())
            painter.drawImage(QRect(s, 0, w - 2 * s, h - 1), middle);
        return;
    }
    const std::vector<Rgb> rows = classicGradient(h);
    for (int row = 0; row < int(rows.size()); ++row) {
        painter.setPen(toQColor(recolour(rows[size_t(row)], colorSB_, kLightSB_)));
        painter.drawLine(s, row, w - s - 2, row);
    }
}

void TWemCardsButton::drawGlyph(QPainter &painter, QSize size) const {
    if (glyph_.isNull())
        return;
    const int w = size.width(), h = size.height();
    const int top = int(roundHalfEven(h - glyph_.height() - 1, 2));
    int left = 0;
    switch (layout_) {
    case GlyphLayout::Left:
        left = glyphEdgeDistance(h);
        break;
    case GlyphLayout::Right:
        left = w - glyph_.width() - glyphEdgeDistance(h);
        break;
    case GlyphLayout::Bottom:
        left = int(roundHalfEven(w - glyph_.width(), 2));
        break;
    }
    painter.drawImage(left, top, glyph_);
}

QImage TWemCardsButton::facePicture(QSize size, bool /*disabled*/) const {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    if (size.width() < 2 || size.height() < 2)
        return picture;
    const ButtonPlan plan = planButton(size.height(), colorSB_, newStyle_);
    QPainter painter(&picture);
    drawEnds(painter, plan, size);
    drawMiddle(painter, plan, size);
    drawGlyph(painter, size);
    return picture;
}

void TWemCardsButton::drawText(QPainter &painter, const DrawState &state) const {
    QColor colour = fontColor_;
    if (lightFont_ && mouseInPos_)
        colour = colorMouse_;
    if (state.disabled)
        colour = grayDis_ ? QColor(192, 192, 192) : fontColor_;
    painter.setPen(colour);
    painter.setFont(font());
    QRect area = rect();
    if (margin_ != -1 && !glyph_.isNull()) {
        const int inset = glyph_.width() + textGlyphDistance(height());
        if (layout_ == GlyphLayout::Left)
            area.setLeft(area.left() + inset);
        else if (layout_ == GlyphLayout::Right)
            area.setRight(area.right() - inset);
    }
    if (state.pressed)
        area.translate(1, 1);
    if (newStyle_)
        area.translate(0, -1);
    // Centred with margin -1; otherwise left-aligned in what the glyph leaves free.
    const Qt::Alignment horizontal = margin_ == -1 ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(area, int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), text());
}

void TWemCardsButton::drawFocusMark(QPainter &painter, const DrawState &state) const {
    if (!state.focused || !isFocused_ || !kontur_)
        return;
    const int w = width(), h = height();
    const int shift = state.pressed ? 1 : 0;
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (!newStyle_) {
        const FocusRectangle mark = classicFocusMark(h);
        painter.setPen(QPen(toQColor(focusRectangleColour(colorSB_)), 1));
        painter.setBrush(Qt::NoBrush);
        const QRectF box(mark.insetX + shift + 0.5, mark.insetY + shift + 0.5,
                         w - 2 * mark.insetX - 1, h - 2 * mark.insetY - 1);
        painter.drawRoundedRect(box, mark.corner / 2.0, mark.corner / 2.0);
        return;
    }
    const FocusDots dots = newLookFocusMark(h);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(focusDotColour(colorSB_)));
    painter.drawEllipse(QRect(dots.edge + shift, dots.top + shift, dots.diameter, dots.diameter));
    painter.drawEllipse(QRect(w - dots.edge - dots.diameter + shift, dots.top + shift,
                              dots.diameter, dots.diameter));
}

void TWemCardsButton::paintEvent(QPaintEvent *) {
    DrawState state;
    state.pressed = isDown();
    state.disabled = !isEnabled();
    state.focused = hasFocus();
    // One off-screen picture per paint, copied at once: the button never flickers.
    const QImage picture = facePicture(size(), state.disabled);
    QPainter painter(this);
    painter.drawImage(state.pressed ? QPoint(1, 1) : QPoint(0, 0), picture);
    drawText(painter, state);
    if (onDrawButton_)
        onDrawButton_(*this, painter, rect(), state);
    drawFocusMark(painter, state);
}

void TWemCardsButton::enterEvent(QEnterEvent *event) {
    QPushButton::enterEvent(event);
    mouseInPos_ = true;
    update();
    emit mouseEntered();
}

void TWemCardsButton::leaveEvent(QEvent *event) {
    QPushButton::leaveEvent(event);
    mouseInPos_ = false;
    update();
    emit mouseLeft();
}

void TWemCardsButton::focusInEvent(QFocusEvent *event) {
    QPushButton::focusInEvent(event);
    isFocused_ = true;
    update();
}

void TWemCardsButton::focusOutEvent(QFocusEvent *event) {
    QPushButton::focusOutEvent(event);
    isFocused_ = false;
    update();
}

void TWemCardsButton::changeEvent(QEvent *event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange)
        update();
}

void TWemCardsButton::mouseDoubleClickEvent(QMouseEvent *event) {
    // A double click is a second press, so it clicks a second time.
    mousePressEvent(event);
}

void setNewStyleOnButtons(QWidget *window, bool newStyle) {
    if (window == nullptr)
        return;
    for (TWemCardsButton *button : window->findChildren<TWemCardsButton *>())
        button->setNewStyle(newStyle);
}

} // namespace quarn
