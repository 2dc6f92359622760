#include "ui/UiText.h"

#include "ui/ButtonPalette.h"

#include <QFontMetrics>

#include <algorithm>

namespace quarn {

namespace {

int scaledHeight(const Settings &settings, FontKind scaleOf, int nominalHeight) {
    const int scale = std::clamp(settings.fontScales[size_t(scaleOf)], minFontScale, maxFontScale);
    return std::max(1, int(roundHalfEven(static_cast<long long>(nominalHeight) * scale, 100)));
}

} // namespace

QFont scaledFont(const Settings &settings, const QString &family, FontKind scaleOf,
                 int nominalHeight, bool bold) {
    QFont font(family);
    font.setPixelSize(scaledHeight(settings, scaleOf, nominalHeight));
    font.setBold(bold);
    return font;
}

QFont settingsFont(const Settings &settings, FontKind kind, int nominalHeight, bool bold) {
    return scaledFont(settings, QString::fromStdString(settings.fontNames[size_t(kind)]), kind,
                      nominalHeight, bold);
}

QFont fitToWidth(QFont font, const QString &text, int width) {
    const bool inPixels = font.pixelSize() > 0;
    for (;;) {
        const int size = inPixels ? font.pixelSize() : font.pointSize();
        if (size <= 6 || QFontMetrics(font).horizontalAdvance(text) <= width)
            return font;
        if (inPixels)
            font.setPixelSize(size - 1);
        else
            font.setPointSize(size - 1);
    }
}

QColor shadowColour(const QColor &colour) {
    auto half = [](int c) { return int(roundHalfEven(c, 2)); };
    return QColor(half(colour.red()), half(colour.green()), half(colour.blue()));
}

void drawShadowedText(QPainter &painter, const QString &text, const QColor &colour, TextAlign align,
                      int left, int right, int top) {
    const QFontMetrics metrics(painter.font());
    const int width = metrics.horizontalAdvance(text);
    int x = left;
    if (align == TextAlign::Centre)
        x = left + (right - left - width) / 2;
    else if (align == TextAlign::Right)
        x = right - width;
    const int baseline = top + metrics.ascent();
    painter.setPen(shadowColour(colour));
    painter.drawText(x + 1, baseline + 1, text);
    painter.setPen(colour);
    painter.drawText(x, baseline, text);
}

} // namespace quarn
