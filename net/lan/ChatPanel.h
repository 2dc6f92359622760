#pragma once
// The four-line chat panel of a match (ImageMemo): a new line takes the
// first empty line, and when all four are used the lines move up and the
// new one takes the last place. Each line is drawn in the colour of its
// sender's role; a line too wide for the panel loses characters at its end,
// at most twelve, and then ends with "...".

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

namespace quarn::lan {

inline constexpr int kChatPanelLines = 4;
inline constexpr int kChatMostCut = 12;

struct ChatLine {
    int role = 1; // 1 host, 2..4 clients
    QString text;
    bool operator==(const ChatLine &) const = default;
};

class ChatLines {
  public:
    void Add(int role, const QString &text);
    void Clear() { lines_ = {}; }
    const std::array<std::optional<ChatLine>, kChatPanelLines> &Lines() const { return lines_; }

  private:
    std::array<std::optional<ChatLine>, kChatPanelLines> lines_{};
};

// Role 1 maroon, 2 navy, 3 green, 4 olive; black for anything else.
QColor RoleColour(int role);

// The text cut to fit `limit` pixels as measured by `width`: characters go
// from its end, at most twelve, and "..." follows when any went.
QString FitChatLine(const QString &text, const std::function<int(const QString &)> &width,
                    int limit);

class ChatPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ChatPanel(QWidget *parent = nullptr);

    // Base sizes of the 760 x 500 window to pixels (the window's Scale).
    void SetScale(std::function<int(int)> scale);
    void AddLine(int role, const QString &text);
    void ClearLines();
    const ChatLines &Lines() const { return lines_; }
    // The text line k (1..4) shows, cut to the panel.
    QString ShownText(int k) const;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QFont lineFont() const;

    ChatLines lines_;
    int scale(int base) const { return scale_ ? scale_(base) : base; }

    std::function<int(int)> scale_;
};

} // namespace quarn::lan
