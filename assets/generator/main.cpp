// quarn-assets: draws the program's own pictures at build time.
//
//   quarn-assets --out <folder> --deck <svg deck>
//
// writes <folder>/<kind>/<name>.<ext> and <folder>/builtin.qrc.

#include "Arguments.h"
#include "Output.h"
#include "Pictures.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString outFolder = optionValue(args, QStringLiteral("out"));
    const QString deck = optionValue(args, QStringLiteral("deck"));
    if (outFolder.isEmpty() || deck.isEmpty()) {
        std::fprintf(stderr, "usage: quarn-assets --out <folder> --deck <svg deck>\n");
        return 2;
    }

    Output out(outFolder);
    if (!drawFaces(out, deck))
        return 1;
    drawBacks(out);
    drawFelt(out);
    drawTablePictures(out);
    drawTitlePictures(out, deck);
    drawPointers(out);
    drawHeadings(out);
    if (out.failed() || !out.writeQrc()) {
        std::fprintf(stderr, "quarn-assets: writing the pictures failed\n");
        return 1;
    }
    std::printf("quarn-assets: %d pictures\n", out.count());
    return 0;
}
