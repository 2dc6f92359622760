// quarn-ui-assets: draws the pictures of the program's windows at build time.
//
//   quarn-ui-assets --out <folder>
//
// writes <folder>/<kind>/<name>.<ext> and <folder>/ui.qrc.

#include "Drawing.h"
#include "Output.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString outFolder;
    for (int i = 1; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1String("--out"))
            outFolder = args[++i];
    if (outFolder.isEmpty()) {
        std::fprintf(stderr, "usage: quarn-ui-assets --out <folder>\n");
        return 2;
    }
    Output out(outFolder);
    drawButtonSlices(out);
    drawRibbons(out);
    drawMedals(out);
    drawAnimations(out);
    drawBadges(out);
    if (out.failed() || !out.writeQrc()) {
        std::fprintf(stderr, "quarn-ui-assets: writing the pictures failed\n");
        return 1;
    }
    std::printf("quarn-ui-assets: %d pictures\n", out.count());
    return 0;
}
