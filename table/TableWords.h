#pragma once
// The words the table draws, in the current language.

#include <QString>

namespace quarn {

QString wordGame();           // "Game"
QString wordBank();           // "Bank:"
QString wordCurrentGame();    // "Current game"
QString wordGeneralNumber();  // "General number of game:"
QString wordRoundInCycle();   // "Number of round in a current cycle:"
QString wordRoundInSession(); // "Number of round in a current session:"

} // namespace quarn
