#pragma once
// A match: its start, every deal, the end of a hand, the settlement, the
// rating and leaving with the results recorded.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rules/GameState.h"
#include "rules/Moves.h"
#include "rules/Outside.h"

namespace quarn {

// A player's standing as stored: a club line (kinds 1..5), the online
// account's game record (7) or a tournament entry (8). The club-file,
// account and tournament code fill it.
struct PlayerStanding {
    std::string name; // UTF-8; a club name, the account's nick, the new player's name
    double rating = 0.0;
    std::int32_t hands = 0;
    std::int32_t score = 0;
};

// Starts a match: scores 0, MayLeave, HandsOpen and HandsUnknown false, MatchHands,
// PlayerScore and PlayerTotal 0, then LoadStanding by game.PlayerKind.
void NewMatch(GameState &game, const PlayerStanding &standing);

// Loads the player's standing by game.PlayerKind:
//  1..5: name, rating, hands and score from the club line; PlayerTotal = score;
//  6:    hands, score and rating 0 (the name is taken when one is given);
//  7:    the account's hands, score and rating (all 0 when it has no hands);
//  8:    the tournament entry: hands, rating, PlayerTotal = score, PlayerScore 0.
// The name is padded with blanks (or cut) to 20 characters.
void LoadStanding(GameState &game, const PlayerStanding &standing);

// A deal: HandNumber and MatchHands + 1, hands cleared and dealt and sorted,
// Phase 1, MoveNumber 1, Bank and the hand's payments 0, the table cleared,
// ToMove the holder of "9б", InGame set. In a local game NetRole becomes 0
// and the seats are named "PC" and the player's name.
// - from a fresh shuffle (local game, network host):
void NewHand(GameState &game, const Outside &out = {});
// - from a given deck (seedable shuffle, a deck received by a network client,
//   already turned so that its own player is seat 4). Returns false and
//   changes nothing when the deck is not the 36 cards once each.
bool NewHand(GameState &game, const Deck &deck, const Outside &out = {});
// - from four given hands (the game server's deal in a tournament). Returns
//   false and changes nothing unless they hold the 36 cards once each, nine
//   to a seat.
bool NewHand(GameState &game, const SeatHands &hands, const Outside &out = {});

// The seat 1..4 whose CardCount is 0; 0 when every seat still holds cards.
int HandWinner(const GameState &game);

// The end of a hand once a seat has no card: every other seat pays one point
// per card left into the bank, ToMove 5. Returns false and changes nothing
// when no seat has gone out or the hand has already ended.
bool EndHand(GameState &game, const Outside &out = {});

// A seat's card played, and the hand ended (EndHand) when it was the seat's
// last card. Returns false and changes nothing when PlayCard refuses.
bool PlayCardAndEndHand(GameState &game, int seat, int slot, Announce announce,
                        const Outside &out = {});

// The one move of a seat, whoever decided it (computer, player, network peer,
// game server): slot 1..CardCount plays that card (PlayCardAndEndHand), slot
// 0 passes and the turn moves on. Legality is the caller's check. Returns
// false and changes nothing when the operation refuses.
bool MoveSeat(GameState &game, int seat, int slot, Announce announce, const Outside &out = {});

// The settlement while ToMove is 5: the winner takes the bank, the hand's
// payments are cleared, announced, MayLeave set by the cycle and block
// rules, ToMove 6. Returns false and changes nothing otherwise.
bool SettleHand(GameState &game, const Outside &out = {});

// The rating at the end of a match: (handsAtStart * ratingAtStart +
// matchScore) / handNumber, rounded to millionths (halves to even) and
// clamped to -99.99..99.99. handNumber 0 or less gives the rating at start.
double ComputeRating(std::int32_t handNumber, std::int32_t matchScore, double ratingAtStart,
                     std::int32_t handsAtStart);

// Leaving a match with the results recorded (only while MayLeave is set; the
// match score is PlayerScore, the hands MatchHands): rating, club line,
// history, statistics, sound, club file, connection, end-of-game windows and
// the return to the menu, in that order. Returns false and does nothing when
// MayLeave is not set.
bool EndMatch(GameState &game, std::int32_t matchScore, std::int32_t matchHands,
              const Outside &out = {});

// Leaving a match without results (after the player confirmed): a club
// member's line is removed from the club file. InGame is cleared.
void AbandonMatch(GameState &game, const Outside &out = {});

// The history name of the match: the player's name; in a network game or a
// tournament the four seat names (trailing blanks removed) in the order
// seat 4, 3, 2, 1 joined with "/", cut to 51 characters in a tournament.
std::string HistoryName(const GameState &game);

// Text helpers for names (UTF-8, counted in characters).
std::string PadName(std::string_view name, int length = kPlayerNameLength);
std::string TrimTrailingBlanks(std::string_view text);

} // namespace quarn
