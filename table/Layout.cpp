#include "table/Layout.h"

#include <algorithm>

namespace quarn {

namespace {

struct BaseBox {
    int x, y, w, h;
};

// Base boxes per seat (1 left, 2 top, 3 right, 4 bottom).
constexpr std::array<BaseBox, 5> handBoxes{
    {{0, 0, 0, 0}, {15, 178, 165, 0}, {295, 8, 170, 0}, {585, 178, 165, 0}, {250, 395, 260, 0}}};
constexpr std::array<BaseBox, 5> tabBoxes{{{0, 0, 0, 0},
                                           {18, 300, 155, 95},
                                           {133, 18, 155, 95},
                                           {588, 300, 155, 95},
                                           {83, 402, 155, 95}}};
constexpr std::array<BaseBox, 5> plateBoxes{{{0, 0, 0, 0},
                                             {14, 278, 160, 20},
                                             {299, 108, 160, 20},
                                             {584, 278, 160, 20},
                                             {299, 372, 160, 20}}};
constexpr BaseBox tableBox{183, 160, 394, 200};
constexpr BaseBox counterBox{10, 5, 120, 150};
constexpr BaseBox memoBox{595, 30, 130, 90};

// Row offsets inside the table: spades at the top, hearts at the bottom.
constexpr std::array<int, 5> rowY{0, 100, 67, 33, 0};
constexpr int columnStep = 40;

QRect placed(const Scaling &s, const BaseBox &b) {
    return s.place(b.x, b.y, b.w, b.h);
}

} // namespace

CardSize cardSizeFor(const Scaling &scaling, bool wideFaces) {
    const Ratio s = scaling.S;
    if (s < Ratio{13, 10})
        return {71, 96, CardMode::Framed};
    if (s < Ratio{2, 1})
        return {scaling.Scale(wideFaces ? 71 : 61), scaling.Scale(96), CardMode::Scaled};
    return {wideFaces ? 146 : 126, 198, CardMode::Large};
}

TableLayout LayOutTable(WindowSize size, QSize client, bool wideFaces) {
    TableLayout l;
    l.windowSize = size;
    l.client = clientSizeFor(size, client);
    l.scaling = Scaling::forWindow(size, l.client);
    l.card = cardSizeFor(l.scaling, wideFaces);
    const Scaling &s = l.scaling;

    // A hand area is as high as a card; its base height for centring is the
    // card's height in base units.
    const int baseCardHeight = 96;
    for (int seat = 1; seat <= seatCount; ++seat) {
        const BaseBox &h = handBoxes[seat];
        l.hands[seat] =
            QRect(s.PosX(h.x, h.w), s.PosY(h.y, baseCardHeight), s.Scale(h.w), l.card.height);
        l.tabs[seat] = placed(s, tabBoxes[seat]);
        l.plates[seat] = placed(s, plateBoxes[seat]);
    }
    l.table = placed(s, tableBox);
    l.counter = placed(s, counterBox);

    l.memo = placed(s, memoBox);
    const int memoBottom = l.memo.top() + l.memo.height();
    const int buttonSide = s.Scale(35);
    l.chatLine = QRect(l.memo.left(), memoBottom + s.Scale(1) + (buttonSide - s.Scale(20)) / 2,
                       l.memo.width() - s.Scale(36), s.Scale(20));
    l.chatFontPixels = s.Scale(14);
    l.sendButton = QRect(l.memo.left() + l.memo.width() - buttonSide, memoBottom + s.Scale(1),
                         buttonSide, buttonSide);

    l.button7 = QRect(s.ScaleX(585), s.ScaleY(400), s.ScaleX(160), s.Scale(30));
    l.button8 = QRect(s.ScaleX(585), s.ScaleY(430), s.ScaleX(160), s.Scale(30));
    return l;
}

QPoint tablePlace(const TableLayout &layout, int suit, int rank) {
    suit = std::clamp(suit, 1, 4);
    rank = std::clamp(rank, 1, 9);
    const Scaling &s = layout.scaling;
    return {layout.table.left() + s.Scale(columnStep * (rank - 1)),
            layout.table.top() + s.Scale(rowY[suit])};
}

CardLefts cardLefts(int areaWidth, int cardCount, int cardWidth) {
    CardLefts lefts{};
    const int n = std::clamp(cardCount, 0, handSlots);
    if (n == 0)
        return lefts;
    const int step = cardWidth + 3;
    // W / n >= step, compared without division.
    if (areaWidth >= std::int64_t(step) * n) {
        const std::int64_t centre = roundHalfEven(areaWidth, 2);
        for (int i = 1; i <= n; ++i) {
            // round(C - step * n / 2 + (i - 1) * step)
            const std::int64_t twice =
                2 * centre - std::int64_t(step) * n + 2 * std::int64_t(i - 1) * step;
            lefts[i] = int(roundHalfEven(twice, 2));
        }
        return lefts;
    }
    if (n == 1)
        return lefts; // an area narrower than one card: the card starts at its left edge
    const int d = std::max(0, (areaWidth - step) / (n - 1));
    for (int i = 1; i <= n; ++i)
        lefts[i] = (i - 1) * d;
    return lefts;
}

int HitTest(const CardLefts &lefts, int cardCount, int cardWidth, int x) {
    const int n = std::clamp(cardCount, 0, handSlots);
    for (int i = n; i >= 1; --i) {
        if (x < lefts[i])
            continue;
        if (i == n)
            return x < lefts[i] + cardWidth ? i : 0;
        return i;
    }
    return 0;
}

QRect visibleCardPart(const CardLefts &lefts, int cardCount, const CardSize &card, int slot) {
    const int n = std::clamp(cardCount, 0, handSlots);
    if (slot < 1 || slot > n)
        return {};
    int right = lefts[slot] + card.width;
    if (slot < n)
        right = std::min(right, lefts[slot + 1]);
    return QRect(lefts[slot], 0, std::max(0, right - lefts[slot]), card.height);
}

} // namespace quarn
