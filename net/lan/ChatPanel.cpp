#include "net/lan/ChatPanel.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace quarn::lan {

namespace {

constexpr int LineX = 20;
constexpr int LineStep = 14;
constexpr int LineTop = 3;
constexpr int FontHeight = 14;
constexpr int LineWidth = 85;

} // namespace

void ChatLines::Add(int role, const QString &text) {
    for (auto &line : lines_) {
        if (!line) {
            line = ChatLine{role, text};
            return;
        }
    }
    for (std::size_t i = 1; i < lines_.size(); ++i)
        lines_[i - 1] = lines_[i];
    lines_.back() = ChatLine{role, text};
}

QColor RoleColour(int role) {
    switch (role) {
    case 1:
        return QColor(128, 0, 0);
    case 2:
        return QColor(0, 0, 128);
    case 3:
        return QColor(0, 128, 0);
    case 4:
        return QColor(128, 128, 0);
    default:
        return QColor(0, 0, 0);
    }
}

QString FitChatLine(const QString &text, const std::function<int(const QString &)> &width,
                    int limit) {
    QString shown = text;
    int removed = 0;
    while (removed < kChatMostCut && !shown.isEmpty() && width(shown) > limit) {
        shown.chop(1);
        ++removed;
    }
    return removed > 0 ? shown + QStringLiteral("...") : shown;
}

ChatPanel::ChatPanel(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ImageMemo"));
}

void ChatPanel::SetScale(std::function<int(int)> scale) {
    scale_ = std::move(scale);
    update();
}

void ChatPanel::AddLine(int role, const QString &text) {
    lines_.Add(role, text);
    update();
}

void ChatPanel::ClearLines() {
    lines_.Clear();
    update();
}

QFont ChatPanel::lineFont() const {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, scale(FontHeight)));
    return font;
}

QString ChatPanel::ShownText(int k) const {
    const auto &line = lines_.Lines()[std::size_t(k - 1)];
    if (!line)
        return QString();
    const QFontMetrics metrics(lineFont());
    return FitChatLine(
        line->text, [&](const QString &t) { return metrics.horizontalAdvance(t); },
        scale(LineWidth));
}

void ChatPanel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setFont(lineFont());
    const QFontMetrics metrics(painter.font());
    for (int k = 1; k <= kChatPanelLines; ++k) {
        const auto &line = lines_.Lines()[std::size_t(k - 1)];
        if (!line)
            continue;
        painter.setPen(RoleColour(line->role));
        const int top = scale(LineStep * k + LineTop);
        painter.drawText(scale(LineX), top + metrics.ascent(), ShownText(k));
    }
}

} // namespace quarn::lan
