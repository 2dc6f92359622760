#pragma once
// The menu's figure display at the large window sizes: 115 x 64 pixels that
// show, each minute, one of seven figures: the players' dynamic IQ and the
// games played with the computer (statistics service), the best Windows,
// Android and account players (world lists), the account's Wems and the
// number of club members (account service). One request per redraw; the
// hint names the figure.
#include "web/Records.h"
#include "web/ReplyParse.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace quarn {

// Where the display's figures come from (the main window passes the web
// services; tests pass their own). The reads may run on another thread;
// `loggedIn` and `ownNick` are asked on the display's thread.
struct FigureSources {
    std::function<web::Reply<web::TWemStat>()> readStats;
    std::function<web::Reply<web::WorldRows>(int listId)> readWorldList;
    std::function<web::Reply<int>(const std::string &nick)> readBalance;
    std::function<web::Reply<int>()> readMemberCount;
    std::function<bool()> loggedIn;
    std::function<std::string()> ownNick;
};

// One figure as drawn.
struct Figure {
    int mode = 1; // the digit set 1..7
    QString value = QStringLiteral("00");
    char suffix = 0; // 'K', 'M', 'G' or none
    QString hint;
    QString icon;  // the icon picture's name
    QString flag;  // a country code whose flag is drawn (mode 3)
    QString label; // "IQ" (mode 1) or "D" (mode 2)
};

// What the server answered for one figure: the one reply its mode reads.
struct FigureReplies {
    int shown = 1; // the mode whose figure was read (see web::figureModeShown)
    web::Reply<web::TWemStat> stats;
    web::Reply<web::WorldRows> rows;
    web::Reply<int> count; // the account's Wems or the club's members
};

// The request of a figure, made where `sources` may block.
FigureReplies readFigure(int shown, const std::string &nick, const FigureSources &sources);
// The figure of `mode` from its replies.
Figure composeFigure(int mode, const FigureReplies &replies);

// Reads and composes the figure of a mode (1 to 7) at once.
Figure composeFigure(int mode, const FigureSources &sources);

class ImClock2 : public QWidget {
    Q_OBJECT
  public:
    // Runs a figure's read somewhere (a worker) and hands the replies to
    // `done` on the display's thread, or never.
    using Runner = std::function<void(std::function<FigureReplies()> read,
                                      std::function<void(FigureReplies)> done)>;

    explicit ImClock2(FigureSources sources, QWidget *parent = nullptr);
    // Without a runner the reads block the display's thread.
    void setRunner(Runner runner) { runner_ = std::move(runner); }
    // A read not back in this time shows the figure's "No Connect" until
    // the replies come (web::kIndicatorOfflineAfterMs unless set).
    void setOfflineAfterMs(int ms) { offlineAfter_.setInterval(ms); }

    // Reads and redraws the figure of `mode`; with a runner the old figure
    // stays until the replies are in. A read still under way lets the next
    // one pass.
    void ShowFigure(int mode);
    // The part of the window background the display covers.
    void setBackground(const QImage &background);
    const Figure &figure() const { return figure_; }

    static constexpr QSize kSize{115, 64};

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    void showComposed(Figure figure);

    FigureSources sources_;
    Runner runner_;
    bool reading_ = false;
    int readingMode_ = 0;
    QTimer offlineAfter_;
    Figure figure_;
    QImage background_;
};

} // namespace quarn
