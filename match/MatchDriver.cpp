#include "match/MatchDriver.h"

#include "match/GameButtons.h"
#include "opponent/Chooser.h"
#include "rules/Moves.h"

namespace quarn {

namespace {

bool isComputerSeat(int seat) {
    return seat >= 1 && seat < kPlayerSeat;
}

// Whether slot is a legal move of the seat now: a playable card, or a pass
// (0) while no card fits.
bool isLegalMove(const GameState &game, int seat, int slot) {
    if (slot == 0)
        return HasNoPlay(game, seat);
    if (slot < 1 || slot > game.CardCount[seat] || slot > kHandSlots)
        return false;
    return IsPlayable(game, game.Hands[seat][slot].card);
}

} // namespace

SeatKind seatKindOf(const GameState &game, int seat) {
    if (seat == kPlayerSeat)
        return SeatKind::LocalPlayer;
    if (game.Tournament)
        return SeatKind::GameServer;
    if (tickMovesSeat(game, seat))
        return SeatKind::Computer;
    return SeatKind::NetworkPeer;
}

int chooseStandard(const GameState &game, int seat) {
    return ChooseCard(game.Hands[seat], game.Table, game.MoveNumber);
}

MatchDriver::MatchDriver(std::function<Outside()> outside) : outside_(std::move(outside)) {
    choosers_.fill(chooseStandard);
}

void MatchDriver::setChooser(int seat, SeatChooser chooser) {
    if (!isComputerSeat(seat))
        return;
    choosers_[std::size_t(seat)] = chooser ? std::move(chooser) : SeatChooser(chooseStandard);
}

void MatchDriver::setStrongOpponents(bool on, std::uint64_t seed) {
    for (int seat = 1; seat < kPlayerSeat; ++seat) {
        if (on)
            strong_[std::size_t(seat)].emplace(seed + std::uint64_t(seat), kDefaultDeals);
        else
            strong_[std::size_t(seat)].reset();
    }
}

void MatchDriver::noteMoveMade(int seat, TStr2 card) {
    if (card.IsEmpty())
        knowledge_.NotePass(game_, seat);
    else
        knowledge_.NotePlay(seat, card);
    if (moveListener_)
        moveListener_(seat, card);
}

void MatchDriver::newMatch(bool network, const PlayerStanding &standing) {
    game_.Network = network;
    game_.Tournament = false;
    if (!network)
        game_.NetRole = kLocalRole;
    NewMatch(game_, standing);
}

void MatchDriver::deal() {
    knowledge_.Reset();
    NewHand(game_, outside_());
}

bool MatchDriver::start() {
    return StartHand(game_, outside_());
}

bool MatchDriver::moveComputerSeat() {
    if (!game_.InGame || !game_.HandInPlay())
        return false;
    const int seat = game_.ToMove;
    if (!isComputerSeat(seat) || seatKind(seat) != SeatKind::Computer)
        return false;
    return moveSeat(seat, chosenMove(seat));
}

int MatchDriver::chosenMove(int seat) {
    auto &strong = strong_[std::size_t(seat)];
    const int slot = strong ? int(strong->ChooseCard(game_, knowledge_))
                            : choosers_[std::size_t(seat)](game_, seat);
    return isLegalMove(game_, seat, slot) ? slot : chooseStandard(game_, seat);
}

bool MatchDriver::playerToMove() const {
    return game_.InGame && game_.Phase == kPhasePlaying && game_.ToMove == kPlayerSeat;
}

bool MatchDriver::isPlayerSlot(int slot) const {
    return slot >= 1 && slot <= game_.CardCount[kPlayerSeat];
}

bool MatchDriver::playerPlays(int slot) {
    if (!playerToMove() || !isPlayerSlot(slot) ||
        !IsPlayable(game_, game_.Hands[kPlayerSeat][slot].card))
        return false;
    return moveSeat(kPlayerSeat, slot);
}

bool MatchDriver::playerPasses() {
    return playerToMove() && moveSeat(kPlayerSeat, 0);
}

bool MatchDriver::settle() {
    return SettleHand(game_, outside_());
}

bool MatchDriver::endMatch() {
    return EndMatch(game_, game_.PlayerScore, game_.MatchHands, outside_());
}

void MatchDriver::abandon() {
    AbandonMatch(game_, outside_());
}

bool MatchDriver::moveSeat(int seat, int slot) {
    const bool validSlot = slot >= 1 && slot <= game_.CardCount[seat] && slot <= kHandSlots;
    const TStr2 card = validSlot ? game_.Hands[seat][slot].card : kEmptyCard;
    if (!MoveSeat(game_, seat, slot, Announce::Yes, outside_()))
        return false;
    noteMoveMade(seat, card);
    return true;
}

} // namespace quarn
