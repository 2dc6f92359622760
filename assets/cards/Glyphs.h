#pragma once
// Suit symbols of the face sets: the French suits, the German suits (hearts,
// bells, acorns, leaves) and the Spanish suits (cups, coins, batons, swords),
// each standing for the game's hearts, diamonds, clubs and spades.

#include <QColor>
#include <QRectF>

class QPainter;

namespace cards {

enum class SuitSystem { French, German, Spanish };

// The colours of a set's suits: index 1..4 hearts, diamonds, clubs, spades.
struct SuitColours {
    QColor suit[5];
};

// Draws suit 1..4 of a system into a box, with the set's colours; a thin
// darker outline keeps light symbols visible on light paper.
void drawSuit(QPainter &painter, SuitSystem system, int suit, const QRectF &box,
              const SuitColours &colours, bool outlined = false);

} // namespace cards
