#pragma once
// How a player of each language says the name of a card: the words of the
// spoken card names, also read out by the accessible hand of the table.

#include <string>

namespace quarn {

// The name of the card of suit 1..4 (hearts, diamonds, clubs, spades) and
// rank 1..9 (six .. ace) in language 0..9 (UTF-8); empty outside those ranges.
std::string spokenCardName(int language, int suit, int rank);

// The name of rank 1..9 alone ("seven") and of suit 1..4 as a row of the
// table is called ("hearts") in language 0..9; empty outside those ranges.
std::string rankName(int language, int rank);
std::string suitName(int language, int suit);

} // namespace quarn
