#pragma once
// The record the game information window shows: seven texts filled from the
// game state, the online account's game record or the own tournament entry,
// just before the window opens. Plain C++.

#include "rules/GameState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quarn {

struct TCount {
    std::string Count_KonAll; // "General number of game:"
    std::string Count_KonCur; // "Number of round in a current cycle:"
    std::string Count_ScoBeg; // "The initial score:"
    std::string Count_ScoCur; // "The current score:"
    std::string Count_ScoAll; // "The general score:"
    std::string Count_ReiBeg; // "The initial rating:"
    std::string Count_ReiCur; // "The current rating:"

    bool operator==(const TCount &) const = default;
};

// Account states.
inline constexpr int kAccountLoggedOut = 1;
inline constexpr int kAccountLoggedIn = 2;
inline constexpr int kAccountPlayingForRating = 3;

// What the window needs of the online account: its state and, from its game
// record, the hands of the current game of 30 (KonL) and the rating.
struct AccountStanding {
    int state = kAccountLoggedOut;
    std::int32_t KonL = 0;
    double Rating = 0.0;
};

// What the window needs of the own tournament entry.
struct TournamentStanding {
    std::int32_t Score = 0;
    std::int32_t Rating = 0;
};

// The record for the present moment: the tournament values whenever a
// tournament match runs (game.Tournament; an entry not given reads as
// zeros), the account values while the account plays for the rating,
// otherwise the values of a local or network match.
TCount fillCount(const GameState &game, const AccountStanding &account,
                 const std::optional<TournamentStanding> &tournament = std::nullopt);

// A rating with two decimals and a comma, blank-padded on the left to 6
// characters: 1.5 is "  1,50", -0.25 is " -0,25", -12.34 is "-12,34", 0 is
// "  0,00"; a negative value that rounds to zero has no minus sign.
std::string twoDecimalRating(double rating);

// The one record of the program; the command overwrites it at every opening.
TCount &currentCount();

} // namespace quarn
