#pragma once
// Whole hands played by four computer seats through the game's own
// operations: the deal, the start, chooser moves and passes, the end of the
// hand and the settlement. Used by tests and benchmarks; the self-play tool
// plays the compact twin (opponent/CompactHand.h) for speed.

#include "rules/Deck.h"
#include "rules/GameState.h"

namespace quarn {

enum class HandEvent { Dealt, Started, Played, Passed, Ended, Settled };

struct HandStep {
    HandEvent event = HandEvent::Dealt;
    int seat = 0;            // Played, Passed: the seat that moved
    int slot = 0;            // Played: the slot the card left
    TStr2 card = kEmptyCard; // Played: the card
};

// Sees the game after every operation of a hand.
class HandObserver {
  public:
    virtual ~HandObserver() = default;
    // False stops the hand where it is.
    virtual bool After(const GameState & /*game*/, const HandStep & /*step*/) { return true; }
};

struct HandResult {
    bool completed = false; // dealt, played out and settled
    bool stalled = false;   // the move limit was reached
    int winner = 0;
};

// Upper bound on moves in one hand (36 cards, passes between them); a hand
// that needs more is reported as stalled instead of running forever.
inline constexpr int kHandMoveLimit = 1000;

// Deals a fresh hand from the generator and plays it to its settlement.
HandResult PlaySelfHand(GameState &game, DeckRandom &random, HandObserver *observer = nullptr);

} // namespace quarn
