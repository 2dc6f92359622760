#pragma once
// The match as the main window drives it: it owns the one game state and
// moves every seat through one path, whoever decides the move: the computer
// seats on the window's tick (through a chooser that can be replaced per
// seat), the local player's clicks and pass command, and the moves that
// network peers and the game server send (applied by net/ with the same
// rule operation, MoveSeat). The window shows what the operations report
// through the Outside it hands in and routes input here.

#include "opponent/HandKnowledge.h"
#include "opponent/MatchReplay.h"
#include "opponent/StrongOpponent.h"
#include "rules/GameState.h"
#include "rules/Match.h"
#include "rules/Outside.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace quarn {

// Who decides a seat's moves in this program.
enum class SeatKind {
    Computer,    // this program's tick, through the seat's chooser
    LocalPlayer, // the player at this screen (seat 4)
    NetworkPeer, // another program of a network game (or its computer seats)
    GameServer,  // the tournament's server
};

// The seat's kind in the game's mode: seat 4 is the local player; in a
// tournament the server moves every other seat; in a network game the
// host's tick moves the computer seats no client holds (tickMovesSeat),
// everything else arrives from the peers; in a local game the computer
// moves seats 1..3.
SeatKind seatKindOf(const GameState &game, int seat);

// Chooses the move of a computer seat: a slot 1..CardCount whose card is
// playable, or 0 to pass when none is.
using SeatChooser = std::function<int(const GameState &game, int seat)>;

// The standard chooser (opponent/Chooser.h, ChooseCard).
int chooseStandard(const GameState &game, int seat);

class MatchDriver {
  public:
    // outside: asked before every operation (the announcer follows the
    // network mode of the match).
    explicit MatchDriver(std::function<Outside()> outside);

    GameState &game() { return game_; }
    const GameState &game() const { return game_; }

    SeatKind seatKind(int seat) const { return seatKindOf(game_, seat); }
    // The chooser of a computer seat 1..3; an empty one restores the
    // standard chooser.
    void setChooser(int seat, SeatChooser chooser);

    // The computer seats play with the strong opponent (each seat its own,
    // seeded from seed) or, when off, with their choosers (the standard one
    // unless replaced).
    void setStrongOpponents(bool on, std::uint64_t seed);
    bool strongOpponents() const { return seats_.Strong(); }

    // Deals every hand of this match from the seed (a rated account match,
    // which the account service replays) instead of a fresh shuffle; cleared
    // by newMatch.
    void dealFromSeed(std::uint64_t matchSeed) { matchSeed_ = matchSeed; }
    // The local player's moves of every hand this driver dealt in the match:
    // a slot, or 0 for a pass, per turn.
    const MatchMoves &playerMoves() const { return playerMoves_; }

    // What every seat's moves of this hand proved, for the strong opponent.
    // The driver notes the moves it makes itself; a move applied elsewhere
    // (received from a network peer) is noted with noteMoveMade.
    const HandKnowledge &knowledge() const { return seats_.Knowledge(); }
    // A new hand lies on the table (every deal, also one received).
    void handDealt() { seats_.HandDealt(); }
    // After a move applied elsewhere: the seat's card, or "##" for a pass.
    void noteMoveMade(int seat, TStr2 card);
    // Told of every move noted, after it was applied.
    void setMoveListener(std::function<void(int seat, TStr2 card)> listener) {
        moveListener_ = std::move(listener);
    }

    // A new match for the standing: network or local mode set, the
    // tournament mode cleared, NewMatch. A local match takes role 0; a
    // network match keeps the role its connection set.
    void newMatch(bool network, const PlayerStanding &standing);
    // A deal from a fresh shuffle (a local game, a network host's own deal
    // goes through the host connection).
    void deal();
    // The start command (Phase 1 to 2, the stakes).
    bool start();
    // The computer seat to move makes its move (on the tick). False when no
    // computer seat of this program is to move.
    bool moveComputerSeat();
    // Whether the local player may move now.
    bool playerToMove() const;
    // Whether the slot holds one of the player's cards (1..CardCount).
    bool isPlayerSlot(int slot) const;
    // The player's card in the slot, when it is playable; false and nothing
    // done otherwise.
    bool playerPlays(int slot);
    // The player's pass (the command while seat 4 holds no playable card).
    bool playerPasses();
    // The settlement command while the hand has ended.
    bool settle();
    // Leaving with the results recorded (only while MayLeave is set).
    bool endMatch();
    // Leaving without results (after the player confirmed).
    void abandon();

    // The one path of every seat's move in this program: a card (slot
    // 1..CardCount, ending the hand when it was the last) or a pass (slot 0),
    // announced to the other participants.
    bool moveSeat(int seat, int slot);

  private:
    // The chooser's move, or the standard chooser's when the chosen one is
    // not a legal move (a slot out of range, an unplayable card, a pass while
    // a card fits): a faulty chooser never breaks the game.
    int chosenMove(int seat);

    std::function<Outside()> outside_;
    GameState game_;
    std::array<SeatChooser, kSeatCount + 1> choosers_{};
    ComputerSeats seats_;
    std::optional<std::uint64_t> matchSeed_;
    MatchMoves playerMoves_;
    std::function<void(int seat, TStr2 card)> moveListener_;
};

} // namespace quarn
