// calendar-screenshots FOLDER: writes pictures of the menu with its calendar
// pages for a few dates, languages and window sizes into FOLDER, and a sheet
// of each date's pages at four times their size.
#include "match/Ask.h"
#include "match/MenuCalendar.h"
#include "match/TForm1.h"
#include "store/Settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

using namespace quarn;

struct Shot {
    QDate day;
    int language;
    int windowSize; // the settings' window size (1 small, 3 average 1, 5 large)
    int rightPage;  // which right page to show
};

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: calendar-screenshots FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    Ask::setQuiet(true);
    const Shot shots[] = {
        {QDate(2023, 1, 1), English, 1, 3},   {QDate(2022, 5, 9), Russian, 1, 3},
        {QDate(2022, 4, 17), German, 3, 4},   {QDate(2024, 9, 12), Japanese, 1, 3},
        {QDate(2022, 11, 24), English, 5, 3},
    };
    for (const Shot &shot : shots) {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        for (const char *name : {"Quarn.clb", "Quarn.net", "WemCalendar01.dll"})
            QFile::copy(QStringLiteral(QUARN_DIST_DIR "/") + QLatin1String(name),
                        folder + QLatin1String(name));
        Settings settings;
        settings.language = shot.language;
        settings.windowSize = static_cast<WindowSizeSetting>(shot.windowSize);
        saveSettings(std::filesystem::path(folder.toStdString()), settings);
        TForm1 form(folder);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            std::fprintf(stderr, "the window was not exposed\n");
        form.startUp();
        QTest::keyRelease(&form, Qt::Key_Space);
        MenuCalendar *calendar = MenuCalendar::of(&form);
        const QDateTime now(shot.day, QTime(12, 0));
        calendar->setClock([now] { return now; });
        calendar->pageTick();
        for (int page = 2; page < shot.rightPage; ++page)
            calendar->pageTick();
        QTest::qWait(50);
        const QString base = out + QStringLiteral("/menu-") + shot.day.toString(Qt::ISODate);
        form.grab().save(base + QStringLiteral(".png"));

        const TInfoCal &pages = calendar->pages();
        QImage sheet(pages.count * 4 * 64, 4 * 100, QImage::Format_ARGB32);
        sheet.fill(QColor(90, 90, 90));
        QPainter painter(&sheet);
        for (int i = 0; i < pages.count; ++i)
            painter.drawImage(QRect(i * 4 * 64, 0, 4 * 60, 4 * 100), pages.TB[std::size_t(i)]);
        painter.end();
        sheet.save(base + QStringLiteral("-pages.png"));
        std::printf("%s: %d pages\n", qPrintable(base), pages.count);
        for (int i = 0; i < pages.count; ++i)
            std::printf("  %s\n", qPrintable(pages.Hint[std::size_t(i)]));
    }
    setLanguage(English);
    return 0;
}
