#pragma once
// The card chooser of a computer seat: a pure function of the seat's hand,
// the table and the move number. Deterministic; it never passes while it
// holds a playable card and never returns an unplayable one.

#include <cstdint>

#include "rules/Deck.h"
#include "rules/GameState.h"

namespace quarn {

// Hand slots the chooser looks at.
inline constexpr int kChooserSlots = 18;

// The slot (1..18) of the card to play, or 0 when the seat must pass.
std::uint8_t ChooseCard(const Hand &hand, const TableRows &table, int moveNumber);

} // namespace quarn
