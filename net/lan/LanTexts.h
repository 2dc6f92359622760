#pragma once
// Texts of network play taken from the word tables.

#include <QString>

#include "lang/WordEntry.h"

namespace quarn::lan {

// The current language's text of an entry.
QString Text(WordEntry entry);

// "One of player has interrupted game!" with the way back to the menu, as
// the error box shows it when a player leaves a network game.
QString InterruptedGameMessage();

} // namespace quarn::lan
