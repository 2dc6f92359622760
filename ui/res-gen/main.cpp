// quarn-ui-assets: draws the pictures of the program's windows at build time.
//
//   quarn-ui-assets --out <folder>
//       the windows' own pictures: <folder>/<kind>/<name>.<ext> and
//       <folder>/ui.qrc under the prefix /res
//   quarn-ui-assets --out <folder> --prefix <prefix> --library
//       the graphics library's pictures and <folder>/part.qrc under <prefix>

#include "Drawing.h"
#include "Output.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString outFolder;
    QString prefix = QStringLiteral("/");
    bool library = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            outFolder = args[++i];
        else if (args[i] == QLatin1String("--prefix") && i + 1 < args.size())
            prefix = args[++i];
        else if (args[i] == QLatin1String("--library"))
            library = true;
    }
    if (outFolder.isEmpty()) {
        std::fprintf(stderr,
                     "usage: quarn-ui-assets --out <folder> [--prefix <prefix> --library]\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    Output out =
        library ? Output(outFolder, QStringLiteral("part.qrc"), prefix) : Output(outFolder);
    if (library) {
        drawGraphicsLibrary(out);
    } else {
        drawButtonSlices(out);
        drawRibbons(out);
        drawMedals(out);
        drawAnimations(out);
        drawBadges(out);
    }
    if (out.failed() || !out.writeQrc()) {
        std::fprintf(stderr, "quarn-ui-assets: writing the pictures failed\n");
        return 1;
    }
    std::printf("quarn-ui-assets: %d pictures in %lld ms\n", out.count(),
                static_cast<long long>(clock.elapsed()));
    return 0;
}
