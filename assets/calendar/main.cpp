// quarn-calendar-art: draws the pictures of the calendar library.
//
//   quarn-calendar-art --out <folder> --prefix <prefix>
//
// writes <folder>/png/<name>.png and <folder>/part.qrc.

#include "CalendarArt.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString outFolder;
    QString prefix = QStringLiteral("/");
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--out"))
            outFolder = args[++i];
        else if (args[i] == QLatin1String("--prefix"))
            prefix = args[++i];
    }
    if (outFolder.isEmpty()) {
        std::fprintf(stderr, "usage: quarn-calendar-art --out <folder> [--prefix <prefix>]\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    Output out(outFolder, QStringLiteral("part.qrc"), prefix);
    calendar_art::addPage(out);
    calendar_art::addZodiac(out);
    calendar_art::addAnimals(out);
    calendar_art::addHolidayPictures(out);
    if (out.failed() || !out.writeQrc()) {
        std::fprintf(stderr, "quarn-calendar-art: writing the pictures failed\n");
        return 1;
    }
    std::printf("quarn-calendar-art: %d pictures in %lld ms\n", out.count(), static_cast<long long>(clock.elapsed()));
    return 0;
}
