// quarn-radio-art: the pictures of the radio library WemRadio02.dll.
//
//   quarn-radio-art --out <folder> --prefix <prefix> [--main]
//
// With --main it draws the program's own pictures of the radio indicator and
// the music player's buttons instead.

#include "Arguments.h"
#include "MainPictures.h"
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
    if (args.contains(QStringLiteral("--main"))) {
        using radioart::MusicButton;
        using radioart::RadioLamp;
        out.add(png, QStringLiteral("GPolkaNw"), radioart::shelf());
        out.add(png, QStringLiteral("GRadioA"), radioart::indicatorRadio());
        out.add(png, QStringLiteral("GRadioB"), radioart::indicatorState(RadioLamp::Broken));
        out.add(png, QStringLiteral("GRadioR"), radioart::indicatorState(RadioLamp::Off));
        out.add(png, QStringLiteral("GRadioG"), radioart::indicatorState(RadioLamp::Playing));
        out.add(png, QStringLiteral("MP_Play"), radioart::musicButton(MusicButton::Play));
        out.add(png, QStringLiteral("MP_Pause"), radioart::musicButton(MusicButton::Pause));
        out.add(png, QStringLiteral("MP_Next"), radioart::musicButton(MusicButton::Next));
        out.add(png, QStringLiteral("MP_Volume"), radioart::musicButton(MusicButton::Volume));
        if (out.failed() || !out.writeQrc())
            return 1;
        return 0;
    }
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
