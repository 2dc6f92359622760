// quarn-cards --out <dir> --prefix <prefix> --library A|B|C [--decks <folder>]
//
// Draws the card-face sets of one resource library: sets 1 to 31 for
// WemCards06A.dll, 32 to 39 for WemCards06B.dll, 40 to 47 for
// WemCards06C.dll. Each set gets the names the program's loader asks for:
// its jacks, queens and kings under its own code, its number cards, aces and
// suit symbols only where the set does not borrow them from another set's
// code, each as a small 69 x 94 picture and a large "B" picture.

#include "Arguments.h"
#include "CardPainter.h"
#include "FaceStyle.h"
#include "Output.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

namespace {

const char *const suitPrefixes[5] = {"", "Ch", "Bu", "Kr", "Pi"};
const char *const suitSymbolNames[5] = {"", "Cher", "Bubi", "Kres", "Piki"};
const char *const rankParts[10] = {"", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};

QString sizeMark(bool large) {
    return large ? QStringLiteral("B") : QString();
}

bool drawSet(cards::CardPainter &painter, const cards::FaceStyle &style, Output &out) {
    if (!painter.prepare(style))
        return false;
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 1; rank <= 9; ++rank) {
            const bool number = rank <= 5;
            const bool ace = rank == 9;
            if ((number && !style.ownNumbers()) || (ace && !style.ownAces()))
                continue; // the set borrows these from another set's code
            const QString name =
                QLatin1String(suitPrefixes[suit]) + QLatin1String(rankParts[rank]) + style.code;
            for (bool large : {false, true})
                out.add(QStringLiteral("png"), name + sizeMark(large),
                        painter.face(style, suit, rank, large));
        }
        if (style.ownSuitSymbols())
            for (bool large : {false, true})
                out.add(QStringLiteral("png"),
                        QLatin1String(suitSymbolNames[suit]) + style.code + sizeMark(large),
                        painter.suitSymbol(style, suit, large));
    }
    return !out.failed();
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString outDir = optionValue(args, QStringLiteral("out"));
    const QString prefix = optionValue(args, QStringLiteral("prefix"), QStringLiteral("/"));
    const QString library = optionValue(args, QStringLiteral("library"));
    const QString decks =
        optionValue(args, QStringLiteral("decks"), QStringLiteral("/usr/share/carddecks"));
    if (outDir.isEmpty() || (library != QLatin1String("A") && library != QLatin1String("B") &&
                             library != QLatin1String("C"))) {
        std::fprintf(stderr, "usage: quarn-cards --out <dir> --prefix <prefix> --library A|B|C "
                             "[--decks <folder>]\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    Output out(outDir, QStringLiteral("part.qrc"), prefix);
    cards::CardPainter painter(decks);
    for (const cards::FaceStyle &style : cards::faceStyles()) {
        if (cards::libraryOfSet(style.set) != library)
            continue;
        if (!drawSet(painter, style, out)) {
            std::fprintf(stderr, "quarn-cards: set %d (%s) failed\n", style.set,
                         qPrintable(style.name));
            return 1;
        }
    }
    if (!out.writeQrc())
        return 1;
    std::printf("quarn-cards: library %s, %d pictures in %.1f s\n", qPrintable(library),
                out.count(), timer.elapsed() / 1000.0);
    return 0;
}
