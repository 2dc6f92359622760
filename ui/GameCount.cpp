#include "ui/GameCount.h"

#include "rules/Match.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quarn {

namespace {

std::string number(long long value) {
    return std::to_string(value);
}

} // namespace

std::string twoDecimalRating(double rating) {
    if (!std::isfinite(rating))
        rating = 0.0;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    const long long hundredths =
        std::llround(std::nearbyint(std::clamp(rating, -1e12, 1e12) * 100.0));
    const long long magnitude = std::llabs(hundredths);
    std::string digits = std::to_string(magnitude);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    std::string text = digits.substr(0, digits.size() - 2) + ',' + digits.substr(digits.size() - 2);
    if (hundredths < 0)
        text.insert(0, 1, '-');
    if (text.size() < 6)
        text.insert(0, 6 - text.size(), ' ');
    return text;
}

TCount fillCount(const GameState &game, const AccountStanding &account,
                 const std::optional<TournamentStanding> &tournament) {
    TCount count;
    count.Count_KonAll = number(game.HandNumber);
    count.Count_ScoCur = number(game.PlayerScore);
    if (game.Tournament) {
        const TournamentStanding entry = tournament.value_or(TournamentStanding{});
        count.Count_KonCur = "-";
        count.Count_ScoBeg = number(entry.Score);
        count.Count_ScoAll = number(static_cast<long long>(entry.Score) + game.PlayerScore);
        count.Count_ReiBeg = number(entry.Rating);
        count.Count_ReiCur = "?";
        return count;
    }
    count.Count_ScoBeg = number(game.ScoreAtStart);
    count.Count_ScoAll = number(static_cast<long long>(game.ScoreAtStart) + game.PlayerScore);
    if (account.state == kAccountPlayingForRating) {
        count.Count_KonCur = number(static_cast<long long>(account.KonL) + game.MatchHands);
        count.Count_ReiBeg =
            number(std::llround(std::nearbyint(std::clamp(account.Rating, -1e12, 1e12))));
        count.Count_ReiCur = "?";
        return count;
    }
    count.Count_KonCur = number(game.HandInCycle());
    count.Count_ReiBeg = twoDecimalRating(game.RatingAtStart);
    const std::int32_t handsAtStart = game.HandNumber - game.MatchHands;
    count.Count_ReiCur = twoDecimalRating(
        ComputeRating(game.HandNumber, game.PlayerScore, game.RatingAtStart, handsAtStart));
    return count;
}

TCount &currentCount() {
    static TCount count;
    return count;
}

} // namespace quarn
