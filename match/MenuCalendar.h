#pragma once
// The two calendar pages of the menu screen: the left one shows today's date
// and sign of the zodiac, the right one shows in turn, every 10 seconds, the
// animal of the year and each of today's holidays, each with its hint. The
// pages are built when the menu is shown, when the language changes, and
// again once the date has changed (the page timer checks at every tick).
// Without the calendar library both areas stay hidden.

#include "calendar/view/CalendarPages.h"
#include "lang/Language.h"
#include "table/Scaling.h"

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

class QLabel;
class QTimer;
class QWidget;

namespace quarn {

class MenuCalendar : public QObject {
    Q_OBJECT
  public:
    // What the calendar reads from its window.
    struct Host {
        QString programFolder;
        std::function<bool()> menuShown;
        std::function<Scaling()> scaling;
        // The menu background under an area of the window.
        std::function<QImage(QRect)> background;
    };

    MenuCalendar(QWidget *window, Host host);

    // The calendar of a window, if it has one.
    static MenuCalendar *of(QWidget *window);

    // The calendar step of the menu: places the two areas, builds the pages,
    // shows page 1 on the left and page 2 on the right and starts the page
    // timer; without the library both areas are hidden and the timer stopped.
    void build();
    // Hides both areas (the menu is leaving).
    void hidePages();
    // One tick of the 10-second page timer.
    void pageTick();

    // The clock the calendar reads; null gives the system clock.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    // The places of the two areas for a window's scale.
    static QRect leftArea(const Scaling &scaling);
    static QRect rightArea(const Scaling &scaling);

    static constexpr int pageIntervalMs = 10000;

    QLabel *leftPage() const { return left_; }
    QLabel *rightPage() const { return right_; }
    QTimer *timer() const { return timer_; }
    const TInfoCal &pages() const { return pages_; }
    // The right page on show (2 .. count), 0 when none.
    int currentPage() const { return current_; }
    QDate builtFor() const { return builtFor_; }

  private:
    QDateTime now() const;
    void showRightPage(int page);

    QWidget *window_;
    Host host_;
    QLabel *left_;
    QLabel *right_;
    QTimer *timer_;
    std::function<QDateTime()> clock_;
    TInfoCal pages_;
    int current_ = 0;
    QDate builtFor_;
    LanguageSubscription languageSubscription_;
};

} // namespace quarn
