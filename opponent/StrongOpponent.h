#pragma once
// The strong computer opponent: a search over deals of the cards the seat
// cannot see. It samples deals that agree with everything the seat knows
// (its own hand, the table, the other seats' card counts, what their passes
// proved and the order of their plays), and in every deal it plays each card
// it may play, the other seats following the standard chooser. At its own
// next two choices it again tries every card, and there it chooses on what
// it will have seen by then (deals that show it the same moves are judged
// together), never on one deal's hidden cards; after them the standard
// chooser plays the hand out. It plays the card with the best total points
// for itself at the end of the hand: the bank if it wins, minus its passes
// and the cards it is left with.
//
// The deals are drawn from those that agree with the counts and passes, and
// among them a deal under which the other seats' plays look like the
// standard chooser's is preferred: the computer seats play so, and what a
// seat chose among several cards tells what else it held.
//
// Its strength is the number of deals per choice, so a seeded opponent makes
// the same choices on every machine. It draws from its own generator, never
// from the deal's.
//
// Use by whoever drives a hand: keep one HandKnowledge per hand (see
// opponent/HandKnowledge.h) and one StrongOpponent per computer seat for the
// match, and when that seat is to move call ChooseCard(game, knowledge):
// a slot for PlayCard, or 0 for Pass.

#include <array>
#include <cstdint>

#include "opponent/CardSet.h"
#include "opponent/CompactHand.h"
#include "opponent/HandKnowledge.h"
#include "rules/GameState.h"

namespace quarn {

// Deals per choice by default. The widest choice there is (eight cards at
// the fifth card of a hand), its worst case, stays within 150 ms of one core
// (BM_StrongWidestChoice in bench/bench_opponent.cpp).
inline constexpr int kDefaultDeals = 800;

// What a seat may know of a hand in play.
struct SeatView {
    int seat = 0;
    CardSet own = 0;
    CardSet table = 0;
    PerSeat<int> cardCount{};
    int moveNumber = 1;
    int bank = 0;
};

SeatView ViewOf(const GameState &game, int seat);
SeatView ViewOf(const CompactHand &hand, int seat);

// A small generator with a fixed algorithm (xoshiro256**), so a seed gives
// the same numbers with every compiler and library.
class OpponentRandom {
  public:
    explicit OpponentRandom(std::uint64_t seed);
    std::uint64_t Next();
    // A number in 0..bound-1 (bound > 0).
    std::uint64_t Below(std::uint64_t bound);

  private:
    std::array<std::uint64_t, 4> state_{};
};

// Deals of the unseen cards to the other seats, each deal that agrees with
// the card counts and the passes equally likely.
class DealSampler {
  public:
    DealSampler(const SeatView &view, const HandKnowledge &knowledge);

    // False when the card counts do not fit the unseen cards (not a hand in
    // play); Sample must not be called then.
    bool Valid() const { return valid_; }
    // False when the passes noted cannot be true of any deal (a driver that
    // noted a pass wrongly); the sampler then deals by the counts alone.
    bool AgreesWithPasses() const { return agrees_; }
    // Every seat's hand: the seat's own and a sampled one for the others.
    PerSeat<CardSet> Sample(OpponentRandom &random) const;

  private:
    static constexpr int kMaxUnseen = 3 * kCardsPerSeat;
    static constexpr int kMaxCount = kCardsPerSeat;
    using Ways = std::array<std::array<std::uint64_t, kMaxCount + 1>, kMaxCount + 1>;

    // Fills mayHold_ and ways_; false when no deal fits.
    bool CountWays(const HandKnowledge *knowledge);

    SeatView view_;
    std::array<int, 3> others_{};          // the other seats
    std::array<int, kMaxUnseen> unseen_{}; // bits of the unseen cards
    std::array<std::uint8_t, kMaxUnseen>
        mayHold_{}; // which others may hold each (bit i: others_[i])
    int unseenCount_ = 0;
    // ways_[i][a][b]: deals of unseen cards i.. in which the first other
    // seat still takes a cards and the second b (the third the rest).
    std::array<Ways, kMaxUnseen + 1> ways_{};
    bool valid_ = false;
    bool agrees_ = true;
};

class StrongOpponent {
  public:
    explicit StrongOpponent(std::uint64_t seed, int dealsPerChoice = kDefaultDeals);

    // The slot 1..CardCount of the card the seat to move (game.ToMove)
    // plays, or 0 when it must pass. It reads only what that seat may know.
    std::uint8_t ChooseCard(const GameState &game, const HandKnowledge &knowledge);
    // The same on a seat's view: the card's bit, or -1 to pass.
    int ChooseCardBit(const SeatView &view, const HandKnowledge &knowledge);

    int DealsPerChoice() const { return deals_; }

  private:
    OpponentRandom random_;
    int deals_;
};

} // namespace quarn
