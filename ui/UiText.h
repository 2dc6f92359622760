#pragma once
// Texts and fonts of the auxiliary windows.

#include "store/Settings.h"
#include "ui/Words.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

namespace quarn {

// The four fonts of the settings.
enum class FontKind { Large = 0, Small = 1, Special1 = 2, Special2 = 3 };

// A settings font at a nominal pixel height scaled by the font's percentage
// (nominal x scale / 100, rounded).
QFont settingsFont(const Settings &settings, FontKind kind, int nominalHeight, bool bold = false);
// A named font at a nominal height scaled by a font kind's percentage.
QFont scaledFont(const Settings &settings, const QString &family, FontKind scaleOf,
                 int nominalHeight, bool bold = false);

// The font, made smaller when needed, so the text fits in `width` pixels on
// one line (long translations); never below 6 points or pixels.
QFont fitToWidth(QFont font, const QString &text, int width);

enum class TextAlign { Left, Centre, Right };

// Text with a shadow: first one pixel right and down in the colour with its
// red, green and blue halved, then in the colour itself. Left-aligned at
// `left`, centred between `left` and `right`, or right-aligned at `right`;
// `top` is the top of the text.
void drawShadowedText(QPainter &painter, const QString &text, const QColor &colour, TextAlign align,
                      int left, int right, int top);
QColor shadowColour(const QColor &colour);

} // namespace quarn
