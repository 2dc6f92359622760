#pragma once
// Checks of the game state's invariants, for tests, the self-play tool and
// debugging aids.

#include <optional>
#include <string>

#include "rules/GameState.h"

namespace quarn {

// The first broken invariant, named; nothing when all hold. The card and
// payment checks apply from the deal (Phase 1 or 2) to the settlement.
std::optional<std::string> CheckInvariants(const GameState &game);

} // namespace quarn
