#pragma once
// Where everything of the table lies for a window size: hand areas, score
// tabs, name plates, the table of rows, the counter, the chat line and the two
// game buttons; the card size and drawing mode; the places of the cards in the
// rows and in a hand; the hit test over a hand. Pure geometry, no painting.

#include "table/Scaling.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

namespace quarn {

// How card faces are drawn at a scale.
enum class CardMode : int {
    Scaled = 0, // "B" pictures scaled to the card size (1.3 <= S < 2)
    Framed = 1, // the 69 x 94 bitmap inside a one-pixel black frame (S < 1.3)
    Large = 2,  // "B" pictures as they are (S >= 2)
};

struct CardSize {
    int width = 71;
    int height = 96;
    CardMode mode = CardMode::Framed;
};

// The card cell for a scale and a face set that is wide or narrow.
CardSize cardSizeFor(const Scaling &scaling, bool wideFaces);

// Seats 1 to 4; index 0 of the per-seat arrays is unused.
inline constexpr int seatCount = 4;
// Hand slots 1 to 36; index 0 unused.
inline constexpr int handSlots = 36;

using SeatRects = std::array<QRect, seatCount + 1>;
// Left edges of the cards of one hand, inside its hand area; 0 for empty slots.
using CardLefts = std::array<int, handSlots + 1>;

struct TableLayout {
    WindowSize windowSize = WindowSize::Small;
    QSize client{760, 500};
    Scaling scaling;
    CardSize card;

    SeatRects hands;  // ImageCards1 .. ImageCards4
    SeatRects tabs;   // ImageTab1 .. ImageTab4
    SeatRects plates; // ImageSay1 .. ImageSay4
    QRect table;      // ImageStol
    QRect counter;    // ImageKon
    QRect memo;       // ImageMemo
    QRect chatLine;   // Edit1
    int chatFontPixels = 14;
    QRect sendButton; // BitBtn1
    QRect button7;    // the command button
    QRect button8;    // the leave button
};

// Places every element for a window size. client is used only for full screen.
TableLayout LayOutTable(WindowSize size, QSize client = {}, bool wideFaces = true);

// The place of a card of suit 1..4 and rank 1..9 on the table, in client
// coordinates. Spades lie at the top, hearts at the bottom.
QPoint tablePlace(const TableLayout &layout, int suit, int rank);

// The left edges of n cards in a hand area of the given width (slots 1..n).
CardLefts cardLefts(int areaWidth, int cardCount, int cardWidth);

// The slot under position x of a hand area (0 for none): slot i for i < n
// from the left edge of card i up to one pixel before card i + 1, the last
// card over its whole width.
int HitTest(const CardLefts &lefts, int cardCount, int cardWidth, int x);

// The part of card slot of a hand that is not covered by the next card, in
// hand-area coordinates (empty for an empty slot).
QRect visibleCardPart(const CardLefts &lefts, int cardCount, const CardSize &card, int slot);

} // namespace quarn
