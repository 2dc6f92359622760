#include "match/TableAccessibility.h"

#include "match/TableAnnouncer.h"
#include "match/TableNarration.h"
#include "rules/Moves.h"
#include "table/Layout.h"
#include "table/TableCanvas.h"

#include <QWidget>

namespace quarn {
namespace {

QString fromUtf8(const std::string &text) {
    return QString::fromStdString(text);
}

void name(QWidget *control, const std::string &text) {
    if (control)
        control->setAccessibleName(fromUtf8(text));
}

} // namespace

TableAccessibility::TableAccessibility(const GameState &game, const TableCanvas &canvas,
                                       const TableControls &controls, TableAnnouncer &announcer,
                                       std::function<bool()> playerMayPlay,
                                       std::function<void(int x)> press)
    : game_(game), canvas_(canvas), controls_(controls), announcer_(announcer),
      playerMayPlay_(std::move(playerMayPlay)), press_(std::move(press)) {
    makeHandAccessible(controls_.hand, this);
}

TableAccessibility::~TableAccessibility() {
    makeHandAccessible(controls_.hand, nullptr);
}

void TableAccessibility::say(const std::string &sentence) {
    announcer_.announce(fromUtf8(sentence));
}

void TableAccessibility::handDealt() {
    announcer_.clearHand();
    describe();
    say(dealtText(game_));
}

void TableAccessibility::handStarted() {
    describe();
    say(turnText(game_));
}

void TableAccessibility::seatMoved(int seat, TStr2 card) {
    describe();
    say(card.IsEmpty() ? passedText(game_, seat) : playedText(game_, seat, card));
    if (game_.ToMove == kHandEnded)
        say(handEndText(game_));
    else
        say(turnText(game_));
}

void TableAccessibility::handSettled(int winner, int bank) {
    describe();
    if (winner >= 1 && winner <= kSeatCount)
        say(settledText(game_, winner, bank));
}

void TableAccessibility::describe() {
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const std::string state = seatStateText(game_, seat);
        name(controls_.namePlates[std::size_t(seat)], state);
        name(controls_.tabs[std::size_t(seat)], state);
    }
    name(controls_.counter, bankText(game_));
    name(controls_.table, tableText(game_.Table));
    name(controls_.hand, handText(game_));
    if (controls_.hand)
        handAccessChanged(controls_.hand);
}

int TableAccessibility::handCardCount() const {
    return game_.InGame ? game_.CardCount[kPlayerSeat] : 0;
}

QString TableAccessibility::handCardName(int slot) const {
    if (slot < 1 || slot > handCardCount())
        return {};
    return fromUtf8(cardName(game_.Hands[kPlayerSeat][slot].card));
}

bool TableAccessibility::handCardPlayable(int slot) const {
    return slot >= 1 && slot <= handCardCount() && playerMayPlay_() &&
           IsPlayable(game_, game_.Hands[kPlayerSeat][slot].card);
}

QRect TableAccessibility::handCardRect(int slot) const {
    if (slot < 1 || slot > handCardCount())
        return {};
    return visibleCardPart(canvas_.cardLefts(kPlayerSeat), handCardCount(), canvas_.layout().card,
                           slot);
}

void TableAccessibility::pressHandCard(int slot) {
    const QRect part = handCardRect(slot);
    if (!part.isEmpty())
        press_(part.center().x());
}

} // namespace quarn
