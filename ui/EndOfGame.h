#pragma once
// What the end-of-game window shows for a place and a result: its texts,
// sound, animation and medal. Plain C++.

#include "lang/WordEntry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarn {

// The kind of game whose cycle ended.
enum class EndOfGameKind {
    Local,   // against the computer, club "Quarn.clb"
    Network, // club "Quarn.net"
    Account, // a rated online account game: the place is the world place
};

struct EndOfGameFacts {
    EndOfGameKind kind = EndOfGameKind::Local;
    int place = 0;          // 1..10 in the top ten, 0 (or above 10 for an account game) outside
    std::int32_t score = 0; // the cycle's result
    int bonus = 0;          // an account game's reward for places 1 to 10; 0 none, -1 failed
};

struct EndOfGameView {
    std::string_view sound;             // "WFiBest", "WFiGood", "WFiBads"
    WordEntry heading;                  // "CONGRATULATIONS!!!" or "Our regrets..."
    WordEntry subtitle;                 // "Your result - the best!", "Good result!", ...
    std::optional<WordEntry> titleLine; // the closing line, when there is one
    std::string result; // "Result: " + score (+ " ; " + "Place: " + place), in the current language
    int medalPlace = 0; // 1..10: the medal with "GPlace01".."GPlace10"; 0: no medal
    std::string_view animation; // "GEndBest", "GEndGood", "GEndBads"
    int stillFrame = 1;         // the frame it stands on with animations off
    bool loop = false;
    int bonus = 0; // shown when above 0
};

EndOfGameView endOfGameView(const EndOfGameFacts &facts);

} // namespace quarn
