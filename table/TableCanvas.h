#pragma once
// The table of a match as one picture of the window's client area.
//
// TableCanvas draws the hands, the rows, the score tabs, the counter and the
// name plates into its image() at the places LayOutTable() gives them; the
// main window shows that image in its paint handler and asks the canvas what
// lies under the mouse. Each Draw* returns the rectangle it changed, for the
// window to repaint.
//
//   Pictures pictures(folder);  ... load faces, backs, background ...
//   TableCanvas canvas(pictures);
//   canvas.LayOutTable(WindowSize::Small);            // at every deal and resize
//   canvas.DrawHand(game, 4, true);                   // after every change
//   canvas.DrawTable(game);
//   canvas.DrawTab(seat, seat == game.ToMove, game.HandPenalty[seat],
//                  game.HandPaid[seat], game.Score[seat]);
//   canvas.DrawCounter(game.MatchHands, game.Bank);
//   canvas.DrawNamePlate(seat, name, PlateColour::Yellow);
//   paintEvent:  painter.drawImage(event->rect(), canvas.image(), event->rect());
//   mouse:       int slot = canvas.HitTest(4, x - canvas.layout().hands[4].left());
//   card flight: canvas.FlyCard(canvas.flightStart(seat, fromSlot),
//                               canvas.flightEnd(card), card, speed, view);
//
// During a flight image() is the flight's work image: the window's repaint of
// a rectangle shows the card where it is.

#include "rules/GameState.h"
#include "table/FlightPath.h"
#include "table/Layout.h"
#include "table/Pictures.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>

namespace quarn {

// The font of the table's texts and the percentage of its kind (settings).
struct TableFont {
    QString family = QStringLiteral("Comic Sans MS");
    int percent = 100;
};

// What the window does for a flight: show a changed rectangle at once (a
// synchronous repaint from image()) and wait between steps.
class FlightView {
  public:
    virtual ~FlightView() = default;
    virtual void showFlightRect(const QRect &rect) = 0;
    // Waits the given milliseconds; the default sleeps.
    virtual void pause(int milliseconds);
};

// The counter's balloon: title and lines.
struct CounterBalloon {
    QString title;
    QStringList lines;
};

class TableCanvas {
  public:
    explicit TableCanvas(const Pictures &pictures);

    // Places every element for the window size (client: full screen only)
    // and repaints the whole image with the background.
    void LayOutTable(WindowSize size, QSize client = {});
    const TableLayout &layout() const { return layout_; }
    const QImage &image() const { return image_; }

    void setFont(const TableFont &font) { font_ = font; }
    const TableFont &font() const { return font_; }

    // Repaints the whole image with the background (the table is empty).
    QRect clear();

    // Draws a seat's hand from the game state, faces or backs.
    QRect DrawHand(const GameState &game, int seat, bool faceUp);
    // Draws a hand area empty, optionally with a line of text across it
    // ("Expectation of the server..." on a network client).
    QRect DrawEmptyHand(int seat, const QString &text = {});
    // A network client waiting for the host's first deal: the text across
    // the hand area of the host's seat (as the client sees it), the three
    // other hand areas empty.
    QRect DrawAwaitingDeal(int hostSeat, const QString &text);
    // Draws every card of the table at its place, spades to hearts, six to ace.
    QRect DrawTable(const GameState &game);
    QRect DrawTab(int seat, bool highlight, int penalty, int payments, int score);
    // "Game: n" and "Bank: n" (words from the current language) and the bank.
    QRect DrawCounter(int matchHands, int bank);
    QRect DrawNamePlate(int seat, const QString &name, PlateColour colour);
    QRect ClearNamePlate(int seat);

    // An inverted frame around the visible part of a bottom-hand card; a
    // card already outlined stays outlined. DrawHand(4) clears the outlines.
    QRect OutlineCard(int slot);
    // Outlines every playable card of the bottom hand (the selection help).
    QRect OutlinePlayableCards(const GameState &game);

    // The slot under position x of a seat's hand area (x counted from the
    // area's left edge); 0 for none.
    int HitTest(int seat, int x) const;
    // The seat whose hand area holds the client point (0 for none).
    int handAreaAt(QPoint clientPoint) const;
    // True over the four hand areas and the table (no pop-up menu there).
    bool overHandsOrTable(QPoint clientPoint) const;
    // True over the counter (its balloon).
    bool overCounter(QPoint clientPoint) const;

    // The pointer over the bottom hand at position x of its area: the hand
    // over a playable card while the player is to move, else the arrow.
    PointerKind pointerOverBottomHand(const GameState &game, int x) const;

    // The counter's balloon for the game state.
    static CounterBalloon counterBalloon(const GameState &game);

    // Left edges of the cards of a seat as last drawn (index 1..36).
    const CardLefts &cardLefts(int seat) const;

    // The flight of a played card: from the seat's hand (seat 4: the card's
    // place before the hand was sorted again, i.e. as drawn the time before
    // the last DrawHand(4); seats 1 to 3: the middle of the area) to its
    // place on the table.
    QPoint flightStart(int seat, int fromSlot) const;
    QPoint flightEnd(TStr2 card) const;
    // Flies the card one pixel at a time, redrawing only the rectangle
    // around it; at the end the card is erased again. Returns the number
    // of rectangles shown.
    int FlyCard(QPoint from, QPoint to, TStr2 card, int speed, FlightView &view);

    // Draws one card (face, or the current back for "##") into a painter.
    void drawCard(class QPainter &painter, QPoint topLeft, TStr2 card, bool faceUp) const;

  private:
    QRect restoreBackground(const QRect &rect);
    QFont fontOfHeight(int baseHeight, bool bold = true) const;

    const Pictures &pictures_;
    TableLayout layout_;
    TableFont font_;
    QImage image_;
    std::array<CardLefts, seatCount + 1> lefts_{};
    std::array<CardLefts, seatCount + 1> previousLefts_{};
    std::array<int, seatCount + 1> drawnCounts_{};
    std::array<int, seatCount + 1> previousCounts_{};
    std::array<bool, handSlots + 1> outlined_{};
};

} // namespace quarn
