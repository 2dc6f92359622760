#pragma once
// A rated match against the computer, dealt from one seed and replayed from
// the player's moves alone. The program deals every hand of such a match
// from the seed the account service gave it and keeps the player's moves;
// the service replays them with the same rules and the same computer seats
// (the standard chooser, or the strong opponent seeded from the same seed)
// and takes only what its own replay gives.
//
// A player's move is the hand slot (1..9) of the card played, or 0 for a
// pass, one per turn of seat 4. On the wire the moves of a match are digits,
// one per turn, the hands separated by ".": "51203.4120.3".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "opponent/HandKnowledge.h"
#include "opponent/StrongOpponent.h"
#include "rules/Deck.h"
#include "rules/GameState.h"

namespace quarn {

using HandMoves = std::vector<std::uint8_t>;
using MatchMoves = std::vector<HandMoves>;

// Most hands one report may carry (a whole game).
inline constexpr int kMaxReplayHands = 30;

// The deck of hand `hand` (1-based) of the match with this seed.
Deck SeededDeck(std::uint64_t matchSeed, int hand);
// The seed the strong opponents of the match start from.
std::uint64_t OpponentSeed(std::uint64_t matchSeed);

std::string EncodeMoves(const MatchMoves &moves);
// Nothing for text that is not moves (another character, an empty hand, more
// than kMaxReplayHands hands or more turns than a hand can take).
std::optional<MatchMoves> DecodeMoves(std::string_view text);

// Whether slot is a legal move of the seat now: a playable card, or a pass
// (0) while no card fits.
bool IsLegalMove(const GameState &game, int seat, int slot);

// The computer seats 1..3 of a match: the standard chooser, or a strong
// opponent per seat seeded from `seed`. Every move of every seat is noted,
// since the strong opponent reads the order of plays.
class ComputerSeats {
  public:
    void Setup(bool strong, std::uint64_t seed, int dealsPerChoice = kDefaultDeals);
    bool Strong() const { return strong_[1].has_value(); }
    void HandDealt() { knowledge_.Reset(); }
    // The move of the computer seat to move: always a legal one.
    int Choose(const GameState &game, int seat);
    // After a move was applied: the seat's card, or "##" for a pass.
    void Note(const GameState &game, int seat, TStr2 card);
    const HandKnowledge &Knowledge() const { return knowledge_; }

  private:
    std::array<std::optional<StrongOpponent>, kSeatCount> strong_{};
    HandKnowledge knowledge_;
};

struct ReplayResult {
    bool ok = false;
    std::string error;           // why the moves were refused
    int matchScore = 0;          // the player's points over the hands
    std::vector<int> handScores; // the player's points per hand
};

// Deals each hand from the seed, plays the computer seats and applies the
// player's moves; each hand must end exactly with its last move and be
// settled. Any illegal move, a hand that ends before its moves do or moves
// that run out before the hand ends refuse the whole list.
ReplayResult ReplayMatch(std::uint64_t matchSeed, bool strongOpponents, const MatchMoves &moves,
                         int dealsPerChoice = kDefaultDeals);

// The moves of a player at seat 4 who follows the standard chooser through
// `hands` hands of the match (tools, tests and benchmarks of the replay).
MatchMoves ChooserPlayerMoves(std::uint64_t matchSeed, bool strongOpponents, int hands,
                              int dealsPerChoice = kDefaultDeals);

} // namespace quarn
