#pragma once
// The look of each card-face set 1..47: where its pictures come from (a whole
// SVG deck, restyled or not, or cards drawn here with court figures taken
// from a deck), its paper, frame, suit symbols, index lettering, court
// frame and ace, and the codes under which its resources are named.

#include "Filters.h"
#include "Glyphs.h"

#include <QColor>
#include <QString>

#include <vector>

namespace cards {

enum class Source { Deck, Drawn };
enum class Paper { Plain, Grain, Satin, Gloss, Seasons, Hearts, Roses };
enum class Frame { None, Line, Double, Gold, Corners, Folk, GreekKey, Steps, Wavy, Pinta };
enum class Court { Panel, Medallion, Arch };
enum class Ace { Plain, Ring, Gold, Sunburst, Cartouche };
enum class Ranks { Latin, Russian, German, French, Spanish, Roman, Chinese, Czech };

struct FaceStyle {
    int set = 0;
    QString name;       // the set's English name, for messages
    QString code;       // its own code: the jack, queen and king
    QString numberCode; // the code of its six to ten
    QString aceCode;
    QString suitCode; // the code of its suit symbols
    bool wide = true; // 146 x 198 large pictures, otherwise 126 x 198

    Source source = Source::Drawn;
    QString deck;        // the deck's folder name without "svg-" (whole cards, or court figures)
    Treatment treatment; // applied to the deck's pictures
    QColor wash;         // Deck: multiplied over the whole card when valid

    Paper paper = Paper::Plain;
    QColor paperTop = Qt::white;
    QColor paperBottom = Qt::white;
    Frame frame = Frame::Line;
    QColor frameColour = Qt::black;
    SuitSystem suits = SuitSystem::French;
    SuitColours colours;
    Ranks ranks = Ranks::Latin;
    QString font = QStringLiteral("DejaVu Sans");
    bool bold = true;
    bool italic = false;
    double indexScale = 1.0;
    Court court = Court::Panel;
    Ace ace = Ace::Plain;

    bool ownNumbers() const { return numberCode == code; }
    bool ownAces() const { return aceCode == code; }
    bool ownSuitSymbols() const { return suitCode == code; }
};

// Sets 1..47 in order.
const std::vector<FaceStyle> &faceStyles();

// The library letter ("A", "B", "C") that holds a set.
QString libraryOfSet(int set);

} // namespace cards
