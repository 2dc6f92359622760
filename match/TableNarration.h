#pragma once
// What the table says to a screen reader: the names of the cards, the seats,
// the bank and the rows, and a sentence for every move and turn of a hand, in
// the current language.

#include "rules/GameState.h"

#include <string>

namespace quarn {

// "seven of hearts", as the spoken card names say it; empty for "##".
std::string cardName(TStr2 card);
// The seat as the player hears it: "You" at seat 4, else its name and place
// ("PC (left)").
std::string seatName(const GameState &game, int seat);

// The state of a name plate and tab: "PC (left): 7 cards, score -4".
std::string seatStateText(const GameState &game, int seat);
// "Your hand: 9 cards".
std::string handText(const GameState &game);
// "Bank: 8 points".
std::string bankText(const GameState &game);
// The rows on the table, one per suit, "hearts: seven – jack; ..." or "No
// cards on the table".
std::string tableText(const TableRows &table);

// The sentences of a hand's events.
std::string dealtText(const GameState &game);
std::string playedText(const GameState &game, int seat, TStr2 card);
std::string passedText(const GameState &game, int seat);
// "Your turn" (with "No card fits: press Pass" when nothing fits), or "PC
// (top) to move"; empty when no seat is to move.
std::string turnText(const GameState &game);
// The winner, then every other seat with the cards it keeps.
std::string handEndText(const GameState &game);
std::string settledText(const GameState &game, int winner, int bank);

} // namespace quarn
