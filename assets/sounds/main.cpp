// quarn-sounds: makes the program's sound effects and its melody at build time.
//
//   quarn-sounds --out <folder> --prefix <prefix>
//
// writes <folder>/wav/<name>.wav, <folder>/raw/MidiSong.mid and <folder>/part.qrc.

#include "Arguments.h"
#include "Effects.h"
#include "Output.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString outFolder = optionValue(args, QStringLiteral("out"));
    const QString prefix = optionValue(args, QStringLiteral("prefix"), QStringLiteral("/res"));
    if (outFolder.isEmpty()) {
        std::fprintf(stderr, "usage: quarn-sounds --out <folder> --prefix <prefix>\n");
        return 2;
    }
    Output out(outFolder, QStringLiteral("part.qrc"), prefix);
    for (const Effect &effect : makeEffects())
        out.addBytes(QStringLiteral("wav"), effect.name, synth::waveFile(effect.samples),
                     QStringLiteral("wav"));
    out.addBytes(QStringLiteral("raw"), QStringLiteral("MidiSong"), makeMelody(),
                 QStringLiteral("mid"));
    if (out.failed() || !out.writeQrc()) {
        std::fprintf(stderr, "quarn-sounds: writing the sounds failed\n");
        return 1;
    }
    std::printf("quarn-sounds: %d sounds\n", out.count());
    return 0;
}
