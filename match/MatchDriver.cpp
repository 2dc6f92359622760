#include "match/MatchDriver.h"

#include "match/GameButtons.h"
#include "opponent/Chooser.h"
#include "rules/Moves.h"

namespace quarn {

namespace {

bool isComputerSeat(int seat) {
    return seat >= 1 && seat < kPlayerSeat;
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
    seats_.Setup(on, seed);
}

void MatchDriver::noteMoveMade(int seat, TStr2 card) {
    seats_.Note(game_, seat, card);
    if (moveListener_)
        moveListener_(seat, card);
}

void MatchDriver::newMatch(bool network, const PlayerStanding &standing) {
    game_.Network = network;
    game_.Tournament = false;
    if (!network)
        game_.NetRole = kLocalRole;
    matchSeed_.reset();
    playerMoves_.clear();
    NewMatch(game_, standing);
}

void MatchDriver::deal() {
    seats_.HandDealt();
    playerMoves_.emplace_back();
    if (matchSeed_)
        NewHand(game_, SeededDeck(*matchSeed_, game_.MatchHands + 1), outside_());
    else
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
    if (seats_.Strong())
        return seats_.Choose(game_, seat);
    const int slot = choosers_[std::size_t(seat)](game_, seat);
    return IsLegalMove(game_, seat, slot) ? slot : chooseStandard(game_, seat);
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
    if (seat == kPlayerSeat && !playerMoves_.empty())
        playerMoves_.back().push_back(std::uint8_t(slot));
    noteMoveMade(seat, card);
    return true;
}

} // namespace quarn
