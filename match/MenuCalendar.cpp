#include "match/MenuCalendar.h"

#include "calendar/PageGeometry.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace quarn {

namespace {

// round(base * s) + round((s - 1) * shift), in exact fractions.
int scaledPlace(int base, Ratio s, int shift) {
    return int(roundHalfEven(std::int64_t(base) * s.num, s.den) +
               roundHalfEven((s.num - s.den) * std::int64_t(shift), s.den));
}

QLabel *makeArea(QWidget *window, const QString &name) {
    auto *area = new QLabel(window);
    area->setObjectName(name);
    area->setAttribute(Qt::WA_TranslucentBackground);
    area->hide();
    return area;
}

} // namespace

MenuCalendar::MenuCalendar(QWidget *window, Host host)
    : QObject(window), window_(window), host_(std::move(host)),
      left_(makeArea(window, QStringLiteral("ImageCal1"))),
      right_(makeArea(window, QStringLiteral("ImageCal2"))), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("MenuCalendar"));
    timer_->setObjectName(QStringLiteral("TimerCal"));
    timer_->setInterval(pageIntervalMs);
    connect(timer_, &QTimer::timeout, this, &MenuCalendar::pageTick);
    // The pages carry texts of the language: a new language builds them anew.
    languageSubscription_ = onLanguageChanged([this](int) {
        if (host_.menuShown && host_.menuShown())
            build();
    });
}

MenuCalendar *MenuCalendar::of(QWidget *window) {
    return window ? window->findChild<MenuCalendar *>(QStringLiteral("MenuCalendar"),
                                                      Qt::FindDirectChildrenOnly)
                  : nullptr;
}

QRect MenuCalendar::leftArea(const Scaling &s) {
    return {scaledPlace(150, s.SX, 30), scaledPlace(95, s.SY, 50), calendar_page::width,
            calendar_page::height};
}

QRect MenuCalendar::rightArea(const Scaling &s) {
    return {scaledPlace(550, s.SX, 30), scaledPlace(95, s.SY, 50), calendar_page::width,
            calendar_page::height};
}

QDateTime MenuCalendar::now() const {
    return clock_ ? clock_() : QDateTime::currentDateTime();
}

void MenuCalendar::build() {
    const Scaling scaling = host_.scaling ? host_.scaling() : Scaling();
    const QRect leftPlace = leftArea(scaling);
    const QRect rightPlace = rightArea(scaling);
    left_->setGeometry(leftPlace);
    right_->setGeometry(rightPlace);

    CalendarRequest request;
    request.programFolder = host_.programFolder;
    request.today = now().date();
    request.language = language();
    if (host_.background) {
        request.leftBackground = host_.background(leftPlace);
        request.rightBackground = host_.background(rightPlace);
    }
    current_ = 0;
    builtFor_ = request.today;
    if (!buildCalendar(request, pages_)) {
        hidePages();
        timer_->stop();
        return;
    }
    left_->setPixmap(QPixmap::fromImage(pages_.TB[0]));
    left_->setToolTip(pages_.Hint[0]);
    left_->setAccessibleName(pages_.Hint[0]);
    left_->show();
    left_->raise();
    showRightPage(2);
    right_->show();
    right_->raise();
    timer_->start();
}

void MenuCalendar::hidePages() {
    left_->hide();
    right_->hide();
}

void MenuCalendar::showRightPage(int page) {
    if (page < 2 || page > pages_.count)
        page = 2;
    current_ = page;
    const std::size_t index = std::size_t(page - 1);
    right_->setPixmap(QPixmap::fromImage(pages_.TB[index]));
    right_->setToolTip(pages_.Hint[index]);
    right_->setAccessibleName(pages_.Hint[index]);
}

void MenuCalendar::pageTick() {
    if (!host_.menuShown || !host_.menuShown()) {
        hidePages();
        return;
    }
    // After midnight the pages are built for the new day. Any tick that finds
    // another date rebuilds, so a tick delayed past the first half minute
    // (a long request holding the window) still turns the page.
    if (now().date() != builtFor_) {
        build();
        return;
    }
    showRightPage(current_ + 1);
}

} // namespace quarn
