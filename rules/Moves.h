#pragma once
// Play within a hand: playability, the start command, playing a card and
// passing. The same operations serve computer seats, the local player and
// moves received from the network; `Announce` says whether this move is
// sent to the other participants.

#include "rules/GameState.h"
#include "rules/Outside.h"

namespace quarn {

// Whether a move is sent to the other participants of a network game or a
// tournament (moves received from them are not sent back).
enum class Announce : bool { No, Yes };
// Whether a pass moves the turn on (the stakes at the start do not).
enum class Advance : bool { No, Yes };

// Whether the card may be played on this table at this move number: while
// moveNumber is 1 only the nine of diamonds; later a nine always, and any
// other card when its neighbour towards the nine lies on the table.
bool IsPlayableOn(const TableRows &table, int moveNumber, TStr2 card);
bool IsPlayable(const GameState &game, TStr2 card);

// True when none of the seat's cards in slots 1..CardCount fits the table
// (the opening rule ignored). False for a seat outside 1..4.
bool HasNoPlay(const GameState &game, int seat);

// 1 -> 2 -> 3 -> 4 -> 1.
int NextSeat(int seat);

// The start command while Phase is 1: Phase 2, the announcement, the stakes
// of 2 from seats 1..4, the player's score refreshed. Returns false and
// changes nothing in any other phase.
bool StartHand(GameState &game, const Outside &out = {});

// Plays the card in the seat's slot: announce, table, redraws, sound "WHodsDo"
// (to its end), ToMove to the next seat, MoveNumber + 1. Legality is the
// caller's check; the hand's end too. Returns false and changes nothing when
// the hand is not being played, the seat is not 1..4, the slot is not
// 1..CardCount or the card's place on the table is taken.
bool PlayCard(GameState &game, int seat, int slot, Announce announce, const Outside &out = {});

// The seat pays the pass fee of 2 into the bank; with Advance::Yes the turn
// moves on. Returns false and changes nothing when the hand is not being
// played or the seat is not 1..4.
bool Pass(GameState &game, int seat, Announce announce, Advance advance, const Outside &out = {});

// PlayerScore = Score[4]; PlayerTotal = ScoreAtStart + PlayerScore.
void RefreshPlayerScore(GameState &game);

} // namespace quarn
