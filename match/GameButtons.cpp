#include "match/GameButtons.h"

#include "rules/GameState.h"
#include "rules/Moves.h"

namespace quarn {

namespace {

// The seat that gives start and settlement: the local player, the host, or
// the tournament participant with role 1.
bool givesCommands(const HandSituation &s) {
    switch (s.kind) {
    case MatchKind::Local:
    case MatchKind::Account:
        return true;
    case MatchKind::Network:
        return s.netRole == 1;
    case MatchKind::Tournament:
        return s.tournamentRole == 1;
    }
    return false;
}

GameButtons afterSettlement(const HandSituation &s) {
    GameButtons b;
    b.commandLabel = WordEntry::MainNextGame;
    b.tickRunning = true;
    const bool cycleComplete = CycleComplete(s.handNumber);
    const bool blockComplete = s.handNumber % 3 == 0;
    switch (s.kind) {
    case MatchKind::Local:
        b.commandEnabled = !cycleComplete;
        b.leaveEnabled = true;
        break;
    case MatchKind::Network:
        b.commandEnabled = s.netRole == 1 && !blockComplete;
        b.leaveEnabled = blockComplete;
        break;
    case MatchKind::Account:
        b.commandEnabled = !blockComplete;
        b.leaveEnabled = blockComplete;
        break;
    case MatchKind::Tournament:
        b.commandEnabled = false;
        b.leaveEnabled = s.tournamentRole == 1;
        break;
    }
    return b;
}

} // namespace

GameButtons gameButtonsFor(const HandSituation &s) {
    GameButtons b;
    if (s.phase == 1) {
        b.commandLabel = WordEntry::MainToBegin;
        b.commandEnabled = givesCommands(s);
        return b;
    }
    b.tickRunning = true;
    if (s.toMove >= 1 && s.toMove <= 3) {
        b.commandLabel = WordEntry::MainPass;
    } else if (s.toMove == kPlayerSeat) {
        b.commandLabel = WordEntry::MainPass;
        b.commandEnabled = s.playerHasNoPlay;
    } else if (s.toMove == 5) {
        b.commandLabel = WordEntry::MainTotalOfGame;
        b.commandEnabled = givesCommands(s);
    } else {
        b = afterSettlement(s);
    }
    return b;
}

} // namespace quarn

namespace quarn {

bool tickMovesSeat(const GameState &game, int seat) {
    if (seat < 1 || seat > 3 || game.Tournament)
        return false;
    if (!game.Network)
        return true;
    if (game.NetRole != kHostRole)
        return false;
    switch (seat) {
    case 1:
        return game.ClientsLess1 == 0;
    case 3:
        return game.ClientsLess1 <= 1;
    default:
        return false;
    }
}

HandSituation situationOf(const GameState &game, int tournamentRole) {
    HandSituation s;
    s.phase = game.Phase;
    s.toMove = game.ToMove;
    s.kind = game.Tournament        ? MatchKind::Tournament
             : game.Network         ? MatchKind::Network
             : game.IsAccountGame() ? MatchKind::Account
                                    : MatchKind::Local;
    s.netRole = game.NetRole;
    s.tournamentRole = tournamentRole;
    s.handNumber = game.HandNumber;
    s.playerHasNoPlay =
        game.Phase == kPhasePlaying && game.ToMove == kPlayerSeat && HasNoPlay(game, kPlayerSeat);
    return s;
}

} // namespace quarn
