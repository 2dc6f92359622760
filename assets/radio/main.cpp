// quarn-radio-art: the pictures of the radio library WemRadio02.dll.
//
//   quarn-radio-art --out <folder> --prefix <prefix>

#include "Arguments.h"
#include "Output.h"
#include "RadioArt.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString outFolder = optionValue(args, QStringLiteral("out"));
    const QString prefix = optionValue(args, QStringLiteral("prefix"), QStringLiteral("/"));
    if (outFolder.isEmpty()) {
        std::fprintf(stderr, "usage: quarn-radio-art --out <folder> --prefix <prefix>\n");
        return 2;
    }
    Output out(outFolder, QStringLiteral("part.qrc"), prefix);
    const QString png = QStringLiteral("png");
    out.add(png, QStringLiteral("RRADIO_MAING"), radioart::playPicture(true));
    out.add(png, QStringLiteral("RRADIO_MAINR"), radioart::playPicture(false));
    for (int steps = 0; steps <= radioart::volumeSteps; ++steps)
        out.add(png, radioart::volumeName(steps), radioart::volumePicture(steps));
    out.add(png, QStringLiteral("RRADIO_RAMKA"), radioart::frame());
    for (const QString &name : radioart::logoNames())
        out.add(png, name, radioart::logo(name));
    if (out.failed() || !out.writeQrc()) {
        std::fprintf(stderr, "quarn-radio-art: writing the pictures failed\n");
        return 1;
    }
    std::printf("quarn-radio-art: %d pictures\n", out.count());
    return 0;
}
