// Drawing the table: hands, outlines, pointers, the counter's balloon, the
// card flight, and what each drawing leaves untouched.

#include "TableFixture.h"
#include "table/TableCanvas.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace quarn {
namespace {

using testing_support::dealtGame;
using testing_support::gameInPlay;

// Everything outside rect is unchanged between the two images.
bool sameOutside(const QImage &before, const QImage &after, const QRect &rect) {
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (!rect.contains(x, y) && before.pixel(x, y) != after.pixel(x, y))
                return false;
    return true;
}

class CanvasTest : public testing::Test {
  protected:
    void SetUp() override {
        pictures.loadFaces(0, Scaling());
        pictures.loadBacks(0, Scaling());
        pictures.loadBackground(2, 0, false, QSize(760, 500));
        pictures.loadTablePictures(Scaling());
        canvas.LayOutTable(WindowSize::Small);
    }
    void layOut(WindowSize size) {
        const TableLayout l = LayOutTable(size);
        pictures.loadFaces(0, l.scaling);
        pictures.loadBacks(0, l.scaling);
        pictures.loadBackground(2, 0, false, l.client);
        pictures.loadTablePictures(l.scaling);
        canvas.LayOutTable(size);
    }

    Pictures pictures{QString()};
    TableCanvas canvas{pictures};
};

TEST_F(CanvasTest, EveryCardOfTheBottomHandIsHitWhereItIsDrawn) {
    const GameState game = dealtGame();
    for (WindowSize size :
         {WindowSize::Small, WindowSize::Average1, WindowSize::Average2, WindowSize::Large}) {
        layOut(size);
        canvas.DrawHand(game, 4, true);
        const CardLefts &lefts = canvas.cardLefts(4);
        for (int slot = 1; slot <= 9; ++slot) {
            EXPECT_EQ(canvas.HitTest(4, lefts[slot]), slot) << int(size);
            EXPECT_EQ(canvas.HitTest(4, lefts[slot] + 1), slot) << int(size);
        }
        EXPECT_EQ(canvas.HitTest(4, lefts[9] + canvas.layout().card.width), 0) << int(size);
        const QRect area = canvas.layout().hands[4];
        EXPECT_LE(lefts[9] + canvas.layout().card.width, area.width())
            << "the last card is not cut off";
    }
}

TEST_F(CanvasTest, RedrawingASmallerHandClearsTheCardsThatLeft) {
    GameState game = dealtGame();
    canvas.DrawHand(game, 2, false);
    const QImage full = canvas.image().copy();
    game.CardCount[2] = 2; // the hand shrank to two cards, laid side by side
    canvas.DrawHand(game, 2, false);
    const QRect area = canvas.layout().hands[2];
    // The right end of the area held a card before and is background now.
    const QPoint probe(area.left() + 160, area.center().y());
    EXPECT_NE(full.pixel(probe), canvas.image().pixel(probe));
    EXPECT_EQ(canvas.image().pixel(probe), pictures.backgroundImage().pixel(probe));
}

TEST_F(CanvasTest, DrawingsStayInsideTheirRectangles) {
    const GameState game = gameInPlay(12);
    struct Drawing {
        const char *what;
        std::function<QRect()> draw;
    };
    const std::vector<Drawing> drawings{
        {"hand", [&] { return canvas.DrawHand(game, 1, false); }},
        {"bottom hand", [&] { return canvas.DrawHand(game, 4, true); }},
        {"table", [&] { return canvas.DrawTable(game); }},
        {"tab", [&] { return canvas.DrawTab(3, true, -5, -4, 17); }},
        {"counter", [&] { return canvas.DrawCounter(12, 14); }},
        {"plate",
         [&] { return canvas.DrawNamePlate(2, QStringLiteral("PC"), PlateColour::Yellow); }},
        {"empty hand",
         [&] { return canvas.DrawEmptyHand(2, QStringLiteral("Expectation of the server...")); }},
    };
    for (WindowSize size : {WindowSize::Small, WindowSize::Large}) {
        layOut(size);
        for (const Drawing &d : drawings) {
            const QImage before = canvas.image().copy();
            const QRect changed = d.draw();
            EXPECT_FALSE(changed.isEmpty()) << d.what;
            EXPECT_NE(before, canvas.image()) << d.what << " drew nothing";
            EXPECT_TRUE(sameOutside(before, canvas.image(), changed))
                << d.what << " drew outside " << int(size);
        }
    }
}

TEST_F(CanvasTest, AClientAwaitingTheDealShowsTheTextOnlyOverTheHostsHand) {
    const GameState game = dealtGame();
    const QString text = QStringLiteral("Expectation of the server...");
    for (WindowSize size : {WindowSize::Small, WindowSize::Large}) {
        for (int hostSeat = 1; hostSeat <= 3; ++hostSeat) {
            layOut(size);
            for (int seat = 1; seat <= 4; ++seat)
                canvas.DrawHand(game, seat, seat == 4);
            const QImage before = canvas.image().copy();
            const QRect changed = canvas.DrawAwaitingDeal(hostSeat, text);
            const QImage &background = pictures.backgroundImage();
            for (int seat = 1; seat <= 4; ++seat) {
                const QRect area = canvas.layout().hands[seat];
                EXPECT_TRUE(changed.contains(area)) << seat;
                const QImage drawn = canvas.image().copy(area);
                const QImage empty = background.copy(area).convertToFormat(drawn.format());
                if (seat == hostSeat)
                    EXPECT_NE(drawn, empty) << "the text over the host's seat " << seat;
                else
                    EXPECT_EQ(drawn, empty) << "seat " << seat << " is empty, size " << int(size);
                EXPECT_EQ(canvas.HitTest(seat, area.width() / 2), 0) << "no card to click";
            }
            QRect hands;
            for (int seat = 1; seat <= 4; ++seat)
                hands = hands.united(canvas.layout().hands[seat]);
            EXPECT_TRUE(sameOutside(before, canvas.image(), hands)) << "only the hand areas change";
        }
    }
}

// A bottom hand of the two red tens among other cards.
GameState handWithRedTens() {
    GameState game = dealtGame();
    const TStr2 cards[] = {
        MakeCard(kHearts, kSix),   MakeCard(kHearts, kTen), MakeCard(kClubs, kNine),
        MakeCard(kDiamonds, kTen), MakeCard(kSpades, kAce), MakeCard(kDiamonds, kSix),
        MakeCard(kClubs, kTen),    MakeCard(kSpades, kTen), MakeCard(kHearts, kSeven)};
    game.CardCount[4] = 9;
    for (int slot = 1; slot <= 9; ++slot)
        game.Hands[4][slot].card = cards[slot - 1];
    return game;
}

bool isRedInk(QRgb pixel) {
    return qRed(pixel) > 150 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

TEST_F(CanvasTest, TheOutlineRunsAlongTheCardsEdgeAndLeavesItsIndexReadable) {
    const GameState game = handWithRedTens();
    for (WindowSize size :
         {WindowSize::Small, WindowSize::Average1, WindowSize::Average2, WindowSize::Large}) {
        layOut(size);
        canvas.DrawHand(game, 4, true);
        const QImage clean = canvas.image().copy();
        for (int slot = 1; slot <= 9; ++slot)
            canvas.OutlineCard(slot);
        const QImage &outlined = canvas.image();
        const QPoint origin = canvas.layout().hands[4].topLeft();
        const CardSize &card = canvas.layout().card;
        for (int slot = 1; slot <= 9; ++slot) {
            const QRect part =
                visibleCardPart(canvas.cardLefts(4), 9, card, slot).translated(origin);
            // The card's edge line stays dark (inverting it would show a
            // light line), the frame starts right inside it, and where the
            // next card covers this one the frame runs up to that card.
            const bool last = slot == 9;
            const int right = last ? part.right() - 1 : part.right();
            for (int y = part.top() + 1; y < part.bottom(); ++y) {
                EXPECT_EQ(clean.pixel(part.left(), y), outlined.pixel(part.left(), y))
                    << "size " << int(size) << " slot " << slot << " y " << y;
                for (int x : {part.left() + 1, right})
                    EXPECT_NE(clean.pixel(x, y), outlined.pixel(x, y))
                        << "size " << int(size) << " slot " << slot << " x " << x << " y " << y;
            }
            if (last)
                for (int y = part.top() + 1; y < part.bottom(); ++y)
                    EXPECT_EQ(clean.pixel(part.right(), y), outlined.pixel(part.right(), y))
                        << "size " << int(size) << " y " << y;
        }
        // The index of the red tens ("10" and its suit) keeps every red pixel:
        // an outline over the "1" would make the card read "0".
        for (int slot : {2, 4}) {
            const QRect part =
                visibleCardPart(canvas.cardLefts(4), 9, card, slot).translated(origin);
            const QRect index(part.topLeft(), QSize(card.width / 4, card.height / 3));
            int ink = 0;
            for (int y = index.top(); y <= index.bottom(); ++y)
                for (int x = index.left(); x <= index.right(); ++x)
                    if (isRedInk(clean.pixel(x, y))) {
                        ++ink;
                        EXPECT_TRUE(isRedInk(outlined.pixel(x, y)))
                            << "size " << int(size) << " slot " << slot << " x " << x << " y " << y;
                    }
            EXPECT_GT(ink, 10) << "the index of slot " << slot << " shows";
        }
    }
}

TEST_F(CanvasTest, BadSeatsSlotsAndCountsDrawNothing) {
    GameState game = dealtGame();
    game.CardCount[4] = 200; // a damaged count must not read past the hand
    const QImage before = canvas.image().copy();
    EXPECT_TRUE(canvas.DrawHand(game, 0, true).isEmpty());
    EXPECT_TRUE(canvas.DrawHand(game, 5, true).isEmpty());
    EXPECT_TRUE(canvas.DrawTab(7, false, 0, 0, 0).isEmpty());
    EXPECT_TRUE(canvas.DrawNamePlate(-1, QStringLiteral("x"), PlateColour::Red).isEmpty());
    EXPECT_TRUE(canvas.OutlineCard(1).isEmpty()) << "nothing is drawn in the bottom hand yet";
    EXPECT_EQ(canvas.HitTest(9, 10), 0);
    EXPECT_EQ(before, canvas.image());
    canvas.DrawHand(game, 4, true);
    EXPECT_TRUE(canvas.OutlineCard(37).isEmpty());
}

TEST_F(CanvasTest, AnOutlinedCardStaysOutlinedUntilTheHandIsRedrawn) {
    const GameState game = dealtGame();
    canvas.DrawHand(game, 4, true);
    const QImage clean = canvas.image().copy();
    const QRect first = canvas.OutlineCard(3);
    EXPECT_FALSE(first.isEmpty());
    const QImage outlined = canvas.image().copy();
    EXPECT_NE(clean, outlined);
    EXPECT_TRUE(sameOutside(clean, outlined, first));
    // A second outline of the same card must not invert the frame back.
    canvas.OutlineCard(3);
    EXPECT_EQ(outlined, canvas.image());
    canvas.DrawHand(game, 4, true);
    EXPECT_EQ(clean, canvas.image());
}

TEST_F(CanvasTest, OutlinesOnlyThePlayableCards) {
    GameState game = gameInPlay(0); // started: only the nine of diamonds may be played
    game.ToMove = 4;
    canvas.DrawHand(game, 4, true);
    const QImage clean = canvas.image().copy();
    const QRect changed = canvas.OutlinePlayableCards(game);
    const int holder = SlotOf(game.Hands[4], kOpeningCard, game.CardCount[4]);
    if (holder == 0) {
        EXPECT_TRUE(changed.isEmpty());
        EXPECT_EQ(clean, canvas.image());
    } else {
        const QRect part =
            visibleCardPart(canvas.cardLefts(4), game.CardCount[4], canvas.layout().card, holder)
                .translated(canvas.layout().hands[4].topLeft());
        EXPECT_EQ(changed, part);
    }
}

TEST_F(CanvasTest, PointerShowsTheHandOnlyOverPlayableCardsOnThePlayersTurn) {
    GameState game = gameInPlay(0);
    canvas.DrawHand(game, 4, true);
    // Give seat 4 the nine of diamonds in slot 1 and a six in slot 2 (unplayable at move 1).
    game.Hands[4][1].card = kOpeningCard;
    game.Hands[4][2].card = MakeCard(kSpades, kSix);
    const int overFirst = canvas.cardLefts(4)[1] + 1;
    const int overSecond = canvas.cardLefts(4)[2] + 1;
    struct Case {
        const char *what;
        bool inGame;
        int phase;
        int toMove;
        int x;
        PointerKind expected;
    };
    const Case cases[] = {
        {"playable card on the player's turn", true, kPhasePlaying, 4, overFirst,
         PointerKind::Hand},
        {"unplayable card", true, kPhasePlaying, 4, overSecond, PointerKind::Arrow},
        {"beside the cards", true, kPhasePlaying, 4, 2000, PointerKind::Arrow},
        {"another seat to move", true, kPhasePlaying, 2, overFirst, PointerKind::Arrow},
        {"dealt, not started", true, kPhaseDealt, 4, overFirst, PointerKind::Arrow},
        {"hand ended", true, kPhasePlaying, kHandEnded, overFirst, PointerKind::Arrow},
        {"no match", false, kPhasePlaying, 4, overFirst, PointerKind::Arrow},
    };
    for (const Case &c : cases) {
        game.InGame = c.inGame;
        game.Phase = std::uint8_t(c.phase);
        game.ToMove = std::uint8_t(c.toMove);
        EXPECT_EQ(canvas.pointerOverBottomHand(game, c.x), c.expected) << c.what;
    }
}

TEST(CounterBalloon, ShowsTheHandNumbersOfTheKindOfMatch) {
    struct Case {
        const char *what;
        int handNumber;
        bool network;
        bool tournament;
        int kind;
        QStringList lines;
    };
    const Case cases[] = {
        {"local, inside a cycle",
         59,
         false,
         false,
         kNewPlayer,
         {"General number of game: 59", "Number of round in a current cycle: 29 / 30"}},
        {"local, last hand of a cycle",
         60,
         false,
         false,
         1,
         {"General number of game: 60", "Number of round in a current cycle: 30 / 30"}},
        {"network, end of a block",
         33,
         true,
         false,
         1,
         {"General number of game: 33", "Number of round in a current cycle: 3 / 30",
          "Number of round in a current session: 3 / 3"}},
        {"account game",
         7,
         false,
         false,
         kAccountPlayer,
         {"General number of game: 7", "Number of round in a current cycle: 7 / 30",
          "Number of round in a current session: 1 / 3"}},
        {"tournament",
         12,
         false,
         true,
         kTournamentPlayer,
         {"General number of game: 12", "Number of round in a current session: 1 / 1"}},
    };
    for (const Case &c : cases) {
        GameState game;
        game.HandNumber = c.handNumber;
        game.Network = c.network;
        game.Tournament = c.tournament;
        game.PlayerKind = std::uint8_t(c.kind);
        const CounterBalloon balloon = TableCanvas::counterBalloon(game);
        EXPECT_EQ(balloon.title, QStringLiteral("Current game")) << c.what;
        EXPECT_EQ(balloon.lines, c.lines) << c.what;
    }
}

// Records what the flight shows and how long it waits.
class FlightRecorder : public FlightView {
  public:
    void showFlightRect(const QRect &rect) override { rects.push_back(rect); }
    void pause(int milliseconds) override {
        if (milliseconds > 0) {
            ++pauses;
            waited += milliseconds;
        }
    }
    std::vector<QRect> rects;
    int pauses = 0;
    int waited = 0;
};

TEST_F(CanvasTest, FlightRedrawsOnlyAroundTheCardAndPausesBySpeed) {
    const GameState game = gameInPlay(6);
    canvas.DrawHand(game, 4, true);
    canvas.DrawTable(game);
    const QPoint from(250, 395);
    const QPoint to(550, 295); // 300 pixels along x
    struct Case {
        int speed;
        int shown;
        int pauses;
        int waited;
    };
    const Case cases[] = {
        {5, 300, 0, 0},     {6, 299, 0, 0},     {1, 300, 300, 600},
        {2, 300, 300, 300}, {3, 300, 150, 150}, {4, 300, 100, 100},
    };
    for (const Case &c : cases) {
        const QImage before = canvas.image().copy();
        FlightRecorder view;
        EXPECT_EQ(canvas.FlyCard(from, to, MakeCard(kHearts, kAce), c.speed, view), c.shown)
            << c.speed;
        EXPECT_EQ(int(view.rects.size()), c.shown) << c.speed;
        EXPECT_EQ(view.pauses, c.pauses) << c.speed;
        EXPECT_EQ(view.waited, c.waited) << c.speed;
        for (const QRect &r : view.rects) {
            EXPECT_LE(r.width(), canvas.layout().card.width + 2 + 4);
            EXPECT_LE(r.height(), canvas.layout().card.height + 1 + 4);
        }
        EXPECT_EQ(before, canvas.image()) << "the card is erased at the end, speed " << c.speed;
    }
}

TEST_F(CanvasTest, FlightShowsTheCardOnTheWay) {
    class Snapshot : public FlightView {
      public:
        explicit Snapshot(const TableCanvas &canvas) : canvas_(canvas) {}
        void showFlightRect(const QRect &rect) override {
            if (++count == 150) {
                middle = canvas_.image().copy(rect);
                middleRect = rect;
            }
        }
        void pause(int) override {}
        int count = 0;
        QImage middle;
        QRect middleRect;

      private:
        const TableCanvas &canvas_;
    };
    const QImage background = canvas.image().copy();
    Snapshot view(canvas);
    canvas.FlyCard(QPoint(100, 300), QPoint(400, 300), MakeCard(kSpades, kKing), 5, view);
    ASSERT_FALSE(view.middle.isNull());
    // Half way the card lies at x = 250, and the shown rectangle holds it.
    EXPECT_TRUE(view.middleRect.contains(QRect(250, 300, 71, 96)));
    EXPECT_NE(view.middle, background.copy(view.middleRect));
}

TEST_F(CanvasTest, FlightStartsWhereTheCardWasBeforeTheHandWasRedrawn) {
    GameState game = gameInPlay(0);
    canvas.DrawHand(game, 4, true);
    const QRect area = canvas.layout().hands[4];
    const int oldLeftOfSlot5 = canvas.cardLefts(4)[5];
    // The card of slot 5 is played: the hand closes up and is redrawn first.
    game.Hands[4][5] = HandSlot{};
    SortHand(game.Hands[4]);
    game.CardCount[4] = 8;
    canvas.DrawHand(game, 4, true);
    EXPECT_EQ(canvas.flightStart(4, 5), area.topLeft() + QPoint(oldLeftOfSlot5, 0));
    const QRect left = canvas.layout().hands[1];
    EXPECT_EQ(canvas.flightStart(1, 3),
              QPoint(left.left() + left.width() / 2 - 71 / 2, left.top()));
    EXPECT_EQ(canvas.flightEnd(MakeCard(kHearts, kAce)),
              tablePlace(canvas.layout(), kHearts, kAce));
}

TEST_F(CanvasTest, AreasUnderTheMouse) {
    const TableLayout &l = canvas.layout();
    EXPECT_EQ(canvas.handAreaAt(l.hands[4].center()), 4);
    EXPECT_EQ(canvas.handAreaAt(l.hands[1].topLeft()), 1);
    EXPECT_EQ(canvas.handAreaAt(QPoint(5, 490)), 0);
    EXPECT_TRUE(canvas.overHandsOrTable(l.table.center()));
    EXPECT_FALSE(canvas.overHandsOrTable(l.counter.center()));
    EXPECT_TRUE(canvas.overCounter(l.counter.center()));
}

} // namespace
} // namespace quarn
