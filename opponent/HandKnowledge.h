#pragma once
// What a seat has seen of a hand beyond its own cards and the table: the
// order in which the cards were played and what each pass proved. The game
// record keeps neither, so whoever drives the game keeps this record beside
// it and tells it of every move, whoever made it (computer seat, local
// player or a move received from the network):
//
//   Reset()                  at every deal
//   NotePlay(seat, card)     after every card played
//   NotePass(game, seat)     after every pass made in play (not the stakes
//                            StartHand takes through Pass)
//
// A seat that passed held no card that fit the table at that moment, and
// since a hand only shrinks it holds none of them later either. The order of
// the plays lets the strong opponent ask which hidden cards would have made
// the other seats play as they did.

#include <array>
#include <cstdint>

#include "opponent/CardSet.h"
#include "rules/GameState.h"

namespace quarn {

struct PlayedCard {
    std::uint8_t seat = 0;
    std::uint8_t bit = 0;
    bool operator==(const PlayedCard &) const = default;
};

class HandKnowledge {
  public:
    void Reset() { *this = HandKnowledge{}; }

    // The seat passed on this table at this move number (a pass does not
    // change the table, so before or after the pass is the same).
    void NotePass(CardSet table, int moveNumber, int seat) {
        if (seat >= 1 && seat <= kSeatCount)
            excluded_[seat] |= PlayableCards(table, moveNumber);
    }
    void NotePass(const GameState &game, int seat) {
        NotePass(TableCards(game.Table), game.MoveNumber, seat);
    }

    // The seat played the card (a card already noted, or not a card, is
    // ignored).
    void NotePlay(int seat, int bit) {
        if (seat < 1 || seat > kSeatCount || bit < 0 || bit >= kDeckSize)
            return;
        if ((played_ >> bit) & 1u)
            return;
        played_ |= CardSet{1} << bit;
        plays_[playCount_++] =
            PlayedCard{static_cast<std::uint8_t>(seat), static_cast<std::uint8_t>(bit)};
    }
    void NotePlay(int seat, TStr2 card) { NotePlay(seat, CardBitOf(card)); }

    // The cards the seat is proved not to hold.
    CardSet Excluded(int seat) const {
        return seat >= 1 && seat <= kSeatCount ? excluded_[seat] : 0;
    }
    // The cards played so far, in order.
    int PlayCount() const { return playCount_; }
    const PlayedCard &Play(int index) const { return plays_[index]; }

    bool operator==(const HandKnowledge &) const = default;

  private:
    PerSeat<CardSet> excluded_{};
    std::array<PlayedCard, kDeckSize> plays_{};
    int playCount_ = 0;
    CardSet played_ = 0;
};

} // namespace quarn
