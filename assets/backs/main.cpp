// quarn-backs: draws the card backs of sets 1 to 12 (part "backs" of
// WemCards06B.dll) or the table backgrounds (part "backgrounds", the
// library WemBackG03.dll).
//
//   quarn-backs --out <folder> --prefix <prefix> --part backs|backgrounds [--sheet <png>]
//
// --sheet also writes an overview of every picture for looking at them.

#include "Arguments.h"
#include "BackSets.h"
#include "Backgrounds.h"
#include "Output.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QStringList>

#include <cstdio>
#include <vector>

namespace {

QImage grid(const std::vector<QImage> &pictures, int columns, QSize cell) {
    const int rows = (int(pictures.size()) + columns - 1) / columns;
    QImage sheet(columns * (cell.width() + 4) + 4, rows * (cell.height() + 4) + 4,
                 QImage::Format_RGB32);
    sheet.fill(QColor(0x30, 0x60, 0x40));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const QRect at(4 + int(i % columns) * (cell.width() + 4),
                       4 + int(i / columns) * (cell.height() + 4), cell.width(), cell.height());
        p.drawImage(at, pictures[i]);
    }
    return sheet;
}

void writeSheets(const QString &part, const QString &file) {
    std::vector<QImage> pictures;
    if (part == QLatin1String("backs")) {
        for (int set = backsets::firstSet; set <= backsets::lastSet; ++set)
            for (int n = 1; n <= 10; ++n)
                pictures.push_back(backsets::back(set, n, backsets::largeSize));
        grid(pictures, 10, backsets::largeSize).save(file);
        pictures.clear();
        for (int set = backsets::firstSet; set <= backsets::lastSet; ++set)
            for (int n = 1; n <= 10; ++n)
                pictures.push_back(backsets::back(set, n, backsets::smallSize));
        QString small = file;
        small.replace(QLatin1String(".png"), QLatin1String("-small.png"));
        grid(pictures, 10, backsets::smallSize).save(small);
        return;
    }
    for (int picture = 1; picture <= backgrounds::pictureCount; ++picture)
        for (const QImage &variant : backgrounds::drawPicture(picture))
            pictures.push_back(variant);
    grid(pictures, 7, QSize(304, 200)).save(file);
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString outFolder = optionValue(args, QStringLiteral("out"));
    const QString prefix = optionValue(args, QStringLiteral("prefix"), QStringLiteral("/"));
    const QString part = optionValue(args, QStringLiteral("part"));
    const QString sheet = optionValue(args, QStringLiteral("sheet"));
    const bool knownPart = part == QLatin1String("backs") || part == QLatin1String("backgrounds");
    if ((outFolder.isEmpty() && sheet.isEmpty()) || !knownPart) {
        std::fprintf(stderr, "usage: quarn-backs --out <folder> --prefix <prefix> --part "
                             "backs|backgrounds [--sheet <png>]\n");
        return 2;
    }
    if (!sheet.isEmpty()) {
        writeSheets(part, sheet);
        if (outFolder.isEmpty())
            return 0;
    }

    QElapsedTimer clock;
    clock.start();
    Output out(outFolder, QStringLiteral("part.qrc"), prefix);
    if (part == QLatin1String("backs"))
        backsets::drawAll(out);
    else
        backgrounds::drawAll(out, 85);
    if (out.failed() || !out.writeQrc()) {
        std::fprintf(stderr, "quarn-backs: writing the %s failed\n", qPrintable(part));
        return 1;
    }
    std::printf("quarn-backs: %d %s pictures in %.1f s\n", out.count(), qPrintable(part),
                clock.elapsed() / 1000.0);
    return 0;
}
