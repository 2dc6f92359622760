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
#include <QWidget>

#include <functional>

namespace quarn {

// Where the display's figures come from (the main window passes the web
// services; tests pass their own).
struct FigureSources {
    std::function<web::Reply<web::TWemStat>()> readStats;
    std::function<web::Reply<web::WorldRows>(int listId)> readWorldList;
    std::function<web::Reply<int>()> readBalance; // of the logged-in account
    std::function<web::Reply<int>()> readMemberCount;
    std::function<bool()> loggedIn;
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

// Reads and composes the figure of a mode (1 to 7).
Figure composeFigure(int mode, const FigureSources &sources);

class ImClock2 : public QWidget {
    Q_OBJECT
  public:
    explicit ImClock2(FigureSources sources, QWidget *parent = nullptr);

    // Reads and redraws the figure of `mode`.
    void ShowFigure(int mode);
    // The part of the window background the display covers.
    void setBackground(const QImage &background);
    const Figure &figure() const { return figure_; }

    static constexpr QSize kSize{115, 64};

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    FigureSources sources_;
    Figure figure_;
    QImage background_;
};

} // namespace quarn
