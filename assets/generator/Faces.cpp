#include "Art.h"
#include "Output.h"
#include "Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

const char *const suitPrefixes[5] = {"", "Ch", "Bu", "Kr", "Pi"};
const char *const suitSymbolNames[5] = {"", "Cher", "Bubi", "Kres", "Piki"};
const char *const rankParts[10] = {"", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
// Element names of a KDE card deck.
const char *const deckSuits[5] = {"", "heart", "diamond", "club", "spade"};
const char *const deckRanks[10] = {"", "6", "7", "8", "9", "10", "jack", "queen", "king", "1"};

QString elementOf(int suit, int rank) {
    return QStringLiteral("%1_%2").arg(deckRanks[rank], deckSuits[suit]);
}

// The small bitmap lies inside the program's own one-pixel frame, so the
// deck's border and round corners are cut away: the face is drawn a little
// larger than the bitmap.
QImage smallFace(QSvgRenderer &deck, const QString &element) {
    const QSize size(69, 94);
    QImage big(size * 4, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::white);
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal bleed = 1.6 * 4;
    deck.render(&painter, element,
                QRectF(-bleed, -bleed, big.width() + 2 * bleed, big.height() + 2 * bleed));
    painter.end();
    return art::reduced(big, size).convertToFormat(QImage::Format_RGB32);
}

QImage largeFace(QSvgRenderer &deck, const QString &element) {
    const QSize size(146, 198);
    QImage big = art::transparent(size * 2);
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    deck.render(&painter, element, QRectF(0.5, 0.5, big.width() - 1, big.height() - 1));
    painter.end();
    return art::reduced(big, size);
}

QImage suitSymbol(int suit, int side) {
    QImage big = art::transparent(QSize(side, side) * 4);
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal m = big.width() * 0.06;
    const QPainterPath shape =
        art::suitPath(suit, QRectF(m, m, big.width() - 2 * m, big.height() - 2 * m));
    painter.fillPath(shape, art::suitColour(suit));
    painter.end();
    return art::reduced(big, QSize(side, side));
}

} // namespace

bool drawFaces(Output &out, const QString &deckFile) {
    QSvgRenderer deck(deckFile);
    if (!deck.isValid()) {
        std::fprintf(stderr, "quarn-assets: cannot read the deck %s\n", qPrintable(deckFile));
        return false;
    }
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 1; rank <= 9; ++rank) {
            const QString element = elementOf(suit, rank);
            if (!deck.elementExists(element)) {
                std::fprintf(stderr, "quarn-assets: the deck has no card %s\n",
                             qPrintable(element));
                return false;
            }
            const QString name = QLatin1String(suitPrefixes[suit]) + QLatin1String(rankParts[rank]);
            out.add(QStringLiteral("bmp"), name, smallFace(deck, element));
            out.add(QStringLiteral("png"), name + QStringLiteral("B"), largeFace(deck, element));
        }
        // Suit symbols: a white bitmap with the symbol, and a transparent large one.
        QImage small(20, 20, QImage::Format_RGB32);
        small.fill(Qt::white);
        {
            QPainter painter(&small);
            painter.drawImage(0, 0, suitSymbol(suit, 20));
        }
        out.add(QStringLiteral("bmp"), QLatin1String(suitSymbolNames[suit]), small);
        out.add(QStringLiteral("png"), QLatin1String(suitSymbolNames[suit]) + QStringLiteral("B"),
                suitSymbol(suit, 40));
    }
    return true;
}
