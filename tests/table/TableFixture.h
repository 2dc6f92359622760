#pragma once
// A dealt hand and a hand in play, from a fixed deck, for the drawing tests.

#include "rules/Match.h"
#include "rules/Moves.h"

#include <random>

namespace quarn::testing_support {

inline GameState dealtGame(unsigned seed = 46) {
    GameState game;
    game.PlayerKind = kNewPlayer;
    NewMatch(game, PlayerStanding{"Mr.X", 0.0, 0, 0});
    DeckRandom random(seed);
    NewHand(game, ShuffleDeck(random));
    return game;
}

// Plays the first playable card of each seat (or passes) for a number of moves.
inline GameState gameInPlay(int moves, unsigned seed = 46) {
    GameState game = dealtGame(seed);
    StartHand(game);
    for (int move = 0; move < moves && game.HandInPlay(); ++move) {
        const int seat = game.ToMove;
        int chosen = 0;
        for (int slot = 1; slot <= game.CardCount[seat]; ++slot) {
            if (IsPlayable(game, game.Hands[seat][slot].card)) {
                chosen = slot;
                break;
            }
        }
        MoveSeat(game, seat, chosen, Announce::No);
    }
    return game;
}

} // namespace quarn::testing_support
