#include "calendar/view/CalendarPages.h"

#include "calendar/PageGeometry.h"
#include "lang/Language.h"
#include "table/ResourceLibrary.h"

#include <QFont>
#include <QPainter>

namespace quarn {

namespace {

namespace page = calendar_page;

constexpr int defaultDaySize = 12;
constexpr int defaultMonthSize = 8;

QString runEntry(WordEntry first, int number, int language) {
    const std::string_view t = text(static_cast<WordEntry>(int(first) + number - 1), language);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

// A picture of the calendar library by its name in the holiday table.
QImage libraryPicture(const ResourceLibrary &library, std::string_view name) {
    return library.picture(QString::fromLatin1(name.data(), qsizetype(name.size())));
}

QImage blankPage(const QImage &background, const QImage &base) {
    QImage pageImage(page::width, page::height, QImage::Format_ARGB32_Premultiplied);
    pageImage.fill(Qt::transparent);
    QPainter painter(&pageImage);
    if (!background.isNull())
        painter.drawImage(pageImage.rect(), background);
    if (!base.isNull())
        painter.drawImage(0, 0, base);
    return pageImage;
}

void drawCentred(QPainter &painter, int top, const QFont &font, QColor colour,
                 const QString &line) {
    painter.setFont(font);
    painter.setPen(colour);
    const QRect box(0, top, page::width, page::height - top);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, line);
}

QImage datePage(const CalendarRequest &request, const ResourceLibrary &library,
                const QImage &base) {
    QImage pageImage = blankPage(request.leftBackground, base);
    QPainter painter(&pageImage);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QDate day = request.today;

    QFont dayFont(request.fontName);
    dayFont.setPixelSize(
        calendarFontPixels(request.daySize > 0 ? request.daySize : defaultDaySize));
    dayFont.setBold(true);
    const bool sunday = day.dayOfWeek() == Qt::Sunday;
    drawCentred(painter, page::dayTop, dayFont, sunday ? QColor(Qt::red) : QColor(Qt::black),
                QString::number(day.day()));

    const QString month = monthText(day.month(), request.language);
    int monthPoints = request.monthSize > 0 ? request.monthSize : defaultMonthSize;
    if (month.size() > 8)
        --monthPoints;
    QFont monthFont(request.fontName);
    monthFont.setPixelSize(calendarFontPixels(monthPoints));
    drawCentred(painter, page::monthTop, monthFont, Qt::black, month);

    const QImage sign =
        libraryPicture(library, zodiacPictureName(zodiacSignOf(day.month(), day.day())));
    if (!sign.isNull())
        painter.drawImage(page::zodiacLeft, page::zodiacTop, sign);
    return pageImage;
}

QImage picturePage(const QImage &background, const QImage &base, const QImage &picture) {
    QImage pageImage = blankPage(background, base);
    if (!picture.isNull()) {
        QPainter painter(&pageImage);
        painter.drawImage(page::pictureLeft, page::pictureTop, picture);
    }
    return pageImage;
}

} // namespace

int calendarFontPixels(int points) {
    return std::max(1, (points * 96 + 36) / 72);
}

QString monthText(int month, int language) {
    return month >= 1 && month <= 12 ? runEntry(WordEntry::CalMonthJanuary, month, language)
                                     : QString();
}

QString zodiacText(int sign, int language) {
    return sign >= 1 && sign <= 12 ? runEntry(WordEntry::CalZodiacAries, sign, language)
                                   : QString();
}

QString chineseYearText(int year, int language) {
    return runEntry(WordEntry::CalYearRat, chineseAnimalOf(year), language);
}

bool buildCalendar(const CalendarRequest &request, TInfoCal &pages) {
    pages = TInfoCal();
    const ResourceLibrary library(request.programFolder, QLatin1String(calendarLibraryFile));
    if (!library.isOpen() || !request.today.isValid())
        return false;
    const int language =
        request.language >= 0 && request.language < languageCount ? request.language : English;
    const QDate day = request.today;
    const QImage base = libraryPicture(library, "R_BASE");

    pages.TB[0] = datePage(request, library, base);
    pages.Hint[0] = zodiacText(zodiacSignOf(day.month(), day.day()), language);

    pages.TB[1] = picturePage(request.rightBackground, base,
                              libraryPicture(library, chineseAnimalPictureName(day.year())));
    pages.Hint[1] = chineseYearText(day.year(), language);
    pages.count = 2;

    for (const TInfoX &holiday : holidaysOn(CivilDate{day.year(), day.month(), day.day()})) {
        if (pages.count == calendarMaxPages)
            break;
        pages.TB[std::size_t(pages.count)] =
            picturePage(request.rightBackground, base, libraryPicture(library, holiday.Res));
        pages.Hint[std::size_t(pages.count)] =
            QString::fromStdString(holidayHint(holiday, day.year(), language));
        ++pages.count;
    }
    return true;
}

} // namespace quarn
