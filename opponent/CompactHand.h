#pragma once
// One hand in play held as card sets: the fast twin of the game record for
// playing hands out by the thousand (the strong opponent's rollouts, the
// self-play tool). It plays by the same rules as PlayCard, Pass and EndHand
// do on a GameState; tests play many hands both ways and compare every move.

#include "opponent/CardSet.h"
#include "rules/Deck.h"
#include "rules/GameState.h"

namespace quarn {

struct CompactHand {
    PerSeat<CardSet> held{};
    CardSet table = 0;
    PerSeat<int> paid{}; // points each seat put into the bank this hand (positive)
    int bank = 0;
    int toMove = 0;     // 1..4 while in play
    int moveNumber = 1; // 1 before the first card, +1 per card
    int winner = 0;     // the seat that went out; 0 while in play

    // The block deal of a deck and the start: stakes taken, the holder of
    // the nine of diamonds to move.
    static CompactHand DealtAndStarted(const Deck &deck);
    // The hand of a game record in play (stakes and passes so far included).
    static CompactHand FromGame(const GameState &game);

    // Writes the hand into a game record the way the rule operations would
    // have left it: hands in hand order, counts, table, bank, the hand's
    // payments, MoveNumber, Phase 2 and ToMove (5 once ended). Scores and
    // the match fields are left alone.
    void CopyTo(GameState &game) const;

    bool InPlay() const { return winner == 0; }
    int CardsOf(int seat) const { return CardCountOf(held[seat]); }

    // The seat to move plays the card (the caller checks that it fits) and
    // the turn moves on; the last card of a hand ends it: the others pay a
    // point per card left into the bank.
    void Play(int bit) {
        const CardSet card = CardSet{1} << bit;
        held[toMove] &= ~card;
        table |= card;
        ++moveNumber;
        if (held[toMove] == 0) {
            EndWith(toMove);
            return;
        }
        toMove = toMove % kSeatCount + 1;
    }

    // What the chooser's answer asks for: the card's bit, or -1 to pass.
    void PlayOrPass(int bit) {
        if (bit < 0)
            Pass();
        else
            Play(bit);
    }

    // The seat to move pays the pass fee and the turn moves on.
    void Pass() {
        paid[toMove] += kPassFee;
        bank += kPassFee;
        toMove = toMove % kSeatCount + 1;
    }

    // The seat's points of this hand once it has ended: the bank for the
    // winner, minus what the seat paid and the cards it was left with.
    int Result(int seat) const {
        return (seat == winner ? bank : -CardsOf(seat) * kPenaltyPerCard) - paid[seat];
    }

  private:
    void EndWith(int seat) {
        winner = seat;
        for (int other = 1; other <= kSeatCount; ++other)
            bank += CardsOf(other) * kPenaltyPerCard;
    }
};

// Plays the hand out with the standard chooser at every seat.
void PlayOutWithChooser(CompactHand &hand);

} // namespace quarn
