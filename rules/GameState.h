#pragma once
// The one record of a match in progress.
//
// How a caller drives a hand (all operations are in rules/Match.h and
// rules/Moves.h; what they do to the screen, the sound, the network and the
// files goes through the interfaces bundled in rules/Outside.h):
//
//   NewMatch(g, standing, out)        once, when a player is chosen
//   NewHand(g, out)                   every deal (Phase 1, ToMove = holder of "9б")
//   StartHand(g, out)                 the start command: stakes, Phase 2
//   while g.ToMove is 1..4:
//       computer seat: slot = ChooseCard(...) (opponent/Chooser.h), then
//                      MoveSeat(g, seat, slot, Announce::Yes, out): the card,
//                      or a pass when slot is 0
//       local player:  IsPlayable / HasNoPlay decide what a click or the
//                      pass command may do, then MoveSeat
//       a seat's last card ends the hand inside MoveSeat (PlayCardAndEndHand,
//       ToMove 5)
//   SettleHand(g, out)                the settlement command (ToMove 6, MayLeave)
//   NewHand(g, out) again, or EndMatch(g, g.PlayerScore, g.MatchHands, out)
//
// Network clients and tournament participants apply received deals, starts,
// moves, passes and settlements through the same operations with
// Announce::No.
//
// Indexing: every per-seat array is std::array<..., 5> indexed by seat 1..4
// (index 0 unused); Table is indexed [suit 1..4][rank 1..9] (index 0 of both
// unused); hand slots count from 1 (see rules/Deck.h).
//
// Invariants (checked by CheckInvariants in rules/Invariants.h):
//  - the four CardCount values plus the cards on Table make 36 from the deal
//    to the end of the hand, and each card occurs exactly once;
//  - Table[s][r] is "##" or the card of suit s and rank r;
//  - each suit on the table is one unbroken run of ranks containing the nine;
//  - the four Score values add up to 0 once a hand is settled (during a
//    hand they add up to -Bank); from the deal to settlement the HandPaid
//    and HandPenalty values add up to -Bank;
//  - ToMove is 5 or 6 only after some seat's CardCount reached 0.

#include <array>
#include <cstdint>
#include <string>

#include "rules/Card.h"
#include "rules/Deck.h"

namespace quarn {

template <typename T> using PerSeat = std::array<T, kSeatCount + 1>; // index 0 unused

// Rows on the table: [suit 1..4][rank 1..9], "##" where no card lies.
using TableRows = std::array<std::array<TStr2, kRankCount + 1>, kSuitCount + 1>;

// The local player's seat, drawn at the bottom of the table.
inline constexpr int kPlayerSeat = kSeatCount;

// ToMove values beyond the seats.
inline constexpr std::uint8_t kHandEnded = 5;   // waits for the settlement command
inline constexpr std::uint8_t kHandSettled = 6; // waits for the next deal

// Phase values.
inline constexpr std::uint8_t kPhaseDealt = 1;
inline constexpr std::uint8_t kPhasePlaying = 2;

// PlayerKind values: 1..5 club lines, then these.
inline constexpr std::uint8_t kNewPlayer = 6;
inline constexpr std::uint8_t kAccountPlayer = 7;
inline constexpr std::uint8_t kTournamentPlayer = 8;

// NetRole values: 0 local, 1 host, 2..4 clients in order of joining.
inline constexpr std::uint8_t kLocalRole = 0;
inline constexpr std::uint8_t kHostRole = 1;

inline constexpr int kStake = 2;
inline constexpr int kPassFee = 2;
inline constexpr int kPenaltyPerCard = 1;
inline constexpr int kCycleLength = 30; // hands in a rating cycle
inline constexpr int kNetworkBlock = 3;
inline constexpr int kPlayerNameLength = 20;
inline constexpr double kRatingLimit = 99.99;

// Whether a running hand count stands at the end of a cycle (0 counts too).
constexpr bool CycleComplete(std::int32_t hands) {
    return hands % kCycleLength == 0;
}

// Position of a running hand count in its cycle, 1..30.
constexpr int HandInCycle(std::int32_t hands) {
    const int rest = hands % kCycleLength;
    return rest == 0 ? kCycleLength : rest;
}

struct GameState {
    // Per seat, index 1..4.
    SeatHands Hands{};
    PerSeat<std::uint8_t> CardCount{};
    PerSeat<std::int32_t> Score{};
    PerSeat<std::int32_t> HandPaid{};    // stake and passes, as a negative number
    PerSeat<std::int32_t> HandPenalty{}; // -cards left, set at the end of a hand
    PerSeat<std::string> SeatName{};     // UTF-8

    TableRows Table = EmptyTable();

    // Hand progress.
    std::uint8_t ToMove = 0;     // 1..4 seat, 5 ended, 6 settled
    std::uint8_t Phase = 0;      // 1 dealt, 2 played (until the next deal)
    std::uint8_t MoveNumber = 0; // 1 after the deal, +1 per card played
    std::int32_t Bank = 0;

    // Match and player standing.
    std::int32_t HandNumber = 0;   // running hand count of the player's record
    std::int32_t MatchHands = 0;   // hands dealt since the match began
    std::int32_t ScoreAtStart = 0; // the record's score in the current cycle
    std::int32_t PlayerScore = 0;  // copy of Score[4]
    std::int32_t PlayerTotal = 0;  // ScoreAtStart + PlayerScore
    double RatingAtStart = 0.0;
    double Rating = 0.0; // computed when the match ends
    bool MayLeave = false;
    bool InGame = false;
    bool HandsOpen = false;
    // The other seats' cards are not known (a tournament deals each program
    // only its own): their hands hold stand-ins and are always shown as backs.
    bool HandsUnknown = false;
    std::uint8_t PlayerKind = kNewPlayer; // 1..5 club line, 6 new, 7 account, 8 tournament
    std::string PlayerName;               // UTF-8, up to 20 characters padded with blanks

    // Mode of the match, set by whoever starts it.
    bool Network = false;
    std::uint8_t NetRole = kLocalRole;
    std::int32_t ClientsLess1 = -1;
    bool Tournament = false;

    bool operator==(const GameState &) const = default;

    static TableRows EmptyTable() {
        TableRows table;
        for (auto &row : table)
            row.fill(kEmptyCard);
        return table;
    }

    // Position of the current hand in its cycle, 1..30.
    int HandInCycle() const { return quarn::HandInCycle(HandNumber); }
    bool CycleComplete() const { return quarn::CycleComplete(HandNumber); }
    bool IsLocalGame() const { return !Network && !Tournament; }
    bool IsAccountGame() const { return PlayerKind == kAccountPlayer && !Tournament && !Network; }
    bool HandInPlay() const {
        return Phase == kPhasePlaying && ToMove >= 1 && ToMove <= kSeatCount;
    }
};

} // namespace quarn
