#include "calendar/view/CalendarPages.h"

#include "calendar/PageGeometry.h"
#include "lang/Language.h"

#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QResource>

namespace quarn {

namespace {

namespace page = calendar_page;

constexpr int defaultDaySize = 12;
constexpr int defaultMonthSize = 8;

QString runEntry(WordEntry first, int number, int language)
{
    const std::string_view t = text(static_cast<WordEntry>(int(first) + number - 1), language);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

// The calendar library, registered for one building and released when this
// goes out of scope.
class OpenLibrary {
public:
    explicit OpenLibrary(const QString &folder)
    {
        QString base = folder;
        if (!base.isEmpty() && !base.endsWith(QLatin1Char('/')))
            base += QLatin1Char('/');
        const QString file = QLatin1String(calendarLibraryFile);
        for (const QString &path : {base + file, base + QStringLiteral("../") + file}) {
            if (QFileInfo(path).isFile() && QResource::registerResource(path, root())) {
                path_ = path;
                return;
            }
        }
    }
    ~OpenLibrary()
    {
        if (isOpen())
            QResource::unregisterResource(path_, root());
    }
    OpenLibrary(const OpenLibrary &) = delete;
    OpenLibrary &operator=(const OpenLibrary &) = delete;

    bool isOpen() const { return !path_.isEmpty(); }

    QImage picture(std::string_view name) const
    {
        const QString n = QString::fromLatin1(name.data(), qsizetype(name.size()));
        for (const char *kind : {"png", "bmp", "jpeg", "gif"}) {
            const QString path = QLatin1Char(':') + root() + QLatin1Char('/') + QLatin1String(kind)
                                 + QLatin1Char('/') + n;
            if (QFileInfo::exists(path)) {
                QImage image(path);
                if (!image.isNull())
                    return image;
            }
        }
        return {};
    }

private:
    static QString root() { return QStringLiteral("/lib/") + QLatin1String(calendarLibraryFile); }
    QString path_;
};

QImage blankPage(const QImage &background, const QImage &base)
{
    QImage pageImage(page::width, page::height, QImage::Format_ARGB32_Premultiplied);
    pageImage.fill(Qt::transparent);
    QPainter painter(&pageImage);
    if (!background.isNull())
        painter.drawImage(pageImage.rect(), background);
    if (!base.isNull())
        painter.drawImage(0, 0, base);
    return pageImage;
}

void drawCentred(QPainter &painter, int top, const QFont &font, QColor colour, const QString &line)
{
    painter.setFont(font);
    painter.setPen(colour);
    const QRect box(0, top, page::width, page::height - top);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, line);
}

QImage datePage(const CalendarRequest &request, const OpenLibrary &library, const QImage &base)
{
    QImage pageImage = blankPage(request.leftBackground, base);
    QPainter painter(&pageImage);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QDate day = request.today;

    QFont dayFont(request.fontName);
    dayFont.setPixelSize(calendarFontPixels(request.daySize > 0 ? request.daySize : defaultDaySize));
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

    const QImage sign = library.picture(zodiacPictureName(zodiacSignOf(day.month(), day.day())));
    if (!sign.isNull())
        painter.drawImage(page::zodiacLeft, page::zodiacTop, sign);
    return pageImage;
}

QImage picturePage(const QImage &background, const QImage &base, const QImage &picture)
{
    QImage pageImage = blankPage(background, base);
    if (!picture.isNull()) {
        QPainter painter(&pageImage);
        painter.drawImage(page::pictureLeft, page::pictureTop, picture);
    }
    return pageImage;
}

} // namespace

int calendarFontPixels(int points) { return std::max(1, (points * 96 + 36) / 72); }

QString monthText(int month, int language)
{
    return month >= 1 && month <= 12 ? runEntry(WordEntry::CalMonthJanuary, month, language) : QString();
}

QString zodiacText(int sign, int language)
{
    return sign >= 1 && sign <= 12 ? runEntry(WordEntry::CalZodiacAries, sign, language) : QString();
}

QString chineseYearText(int year, int language)
{
    return runEntry(WordEntry::CalYearRat, chineseAnimalOf(year), language);
}

bool buildCalendar(const CalendarRequest &request, TInfoCal &pages)
{
    pages = TInfoCal();
    const OpenLibrary library(request.programFolder);
    if (!library.isOpen() || !request.today.isValid())
        return false;
    const int language = request.language >= 0 && request.language < languageCount ? request.language : English;
    const QDate day = request.today;
    const QImage base = library.picture("R_BASE");

    pages.TB[0] = datePage(request, library, base);
    pages.Hint[0] = zodiacText(zodiacSignOf(day.month(), day.day()), language);

    pages.TB[1] = picturePage(request.rightBackground, base, library.picture(chineseAnimalPictureName(day.year())));
    pages.Hint[1] = chineseYearText(day.year(), language);
    pages.count = 2;

    for (const TInfoX &holiday : holidaysOn(CivilDate{day.year(), day.month(), day.day()})) {
        if (pages.count == calendarMaxPages)
            break;
        pages.TB[std::size_t(pages.count)] = picturePage(request.rightBackground, base, library.picture(holiday.Res));
        pages.Hint[std::size_t(pages.count)] = QString::fromStdString(holidayHint(holiday, day.year(), language));
        ++pages.count;
    }
    return true;
}

} // namespace quarn
