// quarn-calendar-art: draws the pictures of the calendar library.
//
//   quarn-calendar-art --out <folder> --prefix <prefix>
//
// writes <folder>/png/<name>.png and <folder>/part.qrc.

#include "Arguments.h"
#include "CalendarArt.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString outFolder = optionValue(args, QStringLiteral("out"));
    const QString prefix = optionValue(args, QStringLiteral("prefix"), QStringLiteral("/"));
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
    std::printf("quarn-calendar-art: %d pictures in %lld ms\n", out.count(),
                static_cast<long long>(clock.elapsed()));
    return 0;
}
