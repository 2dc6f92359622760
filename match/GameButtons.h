#pragma once
// The two game buttons below the bottom hand follow the state of the hand:
// Button7 (the command button) changes its label and whether it may be
// pressed, Button8 ("Exit to menu") is pressable only after a settled hand
// when the match may be left with its results. This is the whole table in one
// pure function, so the window and the tests share it.

#include "lang/WordEntry.h"
#include "rules/MatchRecorder.h"

namespace quarn {

struct HandSituation {
    int phase = 1;  // 1 dealt, 2 in play (through ToMove 5 and 6)
    int toMove = 1; // 1..4 seat to move, 5 hand ended, 6 settled
    MatchKind kind = MatchKind::Local;
    int netRole = 0;              // 1 host, 2..4 client, 0 local
    int tournamentRole = 0;       // 1 gives the start and settlement commands
    int handNumber = 0;           // the player's running hand count
    bool playerHasNoPlay = false; // seat 4 holds no playable card
};

struct GameButtons {
    WordEntry commandLabel = WordEntry::MainToBegin;
    bool commandEnabled = false;
    bool leaveEnabled = false;
    bool tickRunning = false;
};

GameButtons gameButtonsFor(const HandSituation &s);

} // namespace quarn

namespace quarn {

struct GameState;

// Whether this program's tick moves the seat (1..3): always in a local game;
// never on a network client or in a tournament; on a network host seat 2
// belongs to the first client, seat 1 is the host's only with exactly one
// client connected and seat 3 only with one or two.
bool tickMovesSeat(const GameState &game, int seat);

// The situation of the hand for the button table.
HandSituation situationOf(const GameState &game, int tournamentRole = 0);

} // namespace quarn
