// quarn-flags: the country flags and the two sex pictures of the program's
// own pictures.
//
//   quarn-flags --out <folder> --prefix <prefix> --source <folder of 16 x 11 flags>

#include "Arguments.h"
#include "Flags.h"
#include "Output.h"
#include "web/Countries.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString outFolder = optionValue(args, QStringLiteral("out"));
    const QString prefix = optionValue(args, QStringLiteral("prefix"), QStringLiteral("/res"));
    const QString source = optionValue(args, QStringLiteral("source"));
    if (outFolder.isEmpty() || source.isEmpty()) {
        std::fprintf(stderr,
                     "usage: quarn-flags --out <folder> --prefix <prefix> --source <folder>\n");
        return 2;
    }
    Output out(outFolder, QStringLiteral("part.qrc"), prefix);
    const QString png = QStringLiteral("png");
    int drawn = 0;
    for (int continent = 1; continent <= web::kContinentCount; ++continent) {
        const int count = int(web::countriesOf(continent).size());
        for (int index = 0; index < count; ++index) {
            if (index > 0 && flags::isoCode(continent, index).isEmpty()) {
                std::fprintf(stderr, "quarn-flags: no ISO code for country %d-%03d\n", continent,
                             index);
                return 1;
            }
            bool fallback = false;
            const QImage picture = flags::flag(continent, index, source, &fallback);
            drawn += fallback ? 1 : 0;
            out.add(png, QString::fromStdString(web::flagResourceName(continent, index)), picture);
        }
    }
    // The options dialog's language and face-set flags: "FlagO" + picture code.
    const struct {
        const char *name;
        const char *iso;
    } languageFlags[] = {{"Eng", "gb"}, {"Rus", "ru"}, {"Deu", "de"}, {"Fra", "fr"}, {"Spa", "es"},
                         {"Chi", "cn"}, {"Ita", "it"}, {"Cze", "cz"}, {"Jap", "jp"}, {"Kor", "kr"}};
    for (const auto &language : languageFlags) {
        const QImage original(source + QLatin1Char('/') + QLatin1String(language.iso) +
                              QStringLiteral(".png"));
        if (original.isNull()) {
            std::fprintf(stderr, "quarn-flags: no flag %s.png\n", language.iso);
            return 1;
        }
        out.add(png, QStringLiteral("FlagO") + QLatin1String(language.name),
                flags::fitted(original));
    }
    out.add(png, QStringLiteral("FaceMan16"), flags::faceMan());
    out.add(png, QStringLiteral("FaceWoman16"), flags::faceWoman());
    if (out.failed() || !out.writeQrc()) {
        std::fprintf(stderr, "quarn-flags: writing the pictures failed\n");
        return 1;
    }
    std::printf("quarn-flags: %d pictures, %d flags drawn\n", out.count(), drawn);
    return 0;
}
