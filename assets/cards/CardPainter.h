#pragma once
// Draws the faces and suit symbols of a face set at the two picture sizes:
// small 69 x 94 (opaque, shown inside the table's one-pixel frame) and large
// "B" pictures, 146 x 198 for wide sets and 126 x 198 for narrow ones, with
// their own border and round corners.

#include "FaceStyle.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <map>
#include <memory>

class QSvgRenderer;

namespace cards {

QSize largeFaceSize(bool wide);
inline constexpr QSize smallFaceSize{69, 94};
inline constexpr int smallSymbolSide = 20;
inline constexpr int largeSymbolSide = 40;

class CardPainter {
  public:
    // deckFolder holds the SVG decks as svg-<name>/<file>.svgz.
    explicit CardPainter(QString deckFolder);
    ~CardPainter();

    // False (with a message) when a deck a style needs cannot be read.
    bool prepare(const FaceStyle &style);

    QImage face(const FaceStyle &style, int suit, int rank, bool large);
    QImage suitSymbol(const FaceStyle &style, int suit, bool large);

  private:
    QSvgRenderer *deck(const QString &name);
    QImage deckCard(const QString &deckName, int suit, int rank);

    QImage deckFace(const FaceStyle &style, int suit, int rank, bool large);
    QImage drawnFace(const FaceStyle &style, int suit, int rank, bool large);
    QImage courtFigure(const FaceStyle &style, int suit, int rank);
    const QImage &paper(const FaceStyle &style, int suit, QSize pixels);

    QString folder_;
    std::map<QString, std::unique_ptr<QSvgRenderer>> decks_;
    QHash<QString, QImage> cards_;  // deck cards rendered once, by deck and element
    QHash<QString, QImage> papers_; // paper textures by set, suit and size
};

} // namespace cards
