#include "opponent/CompactHand.h"

#include "opponent/SelfPlay.h"

namespace quarn {

CompactHand CompactHand::DealtAndStarted(const Deck &deck) {
    CompactHand hand;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        for (int slot = 1; slot <= kCardsPerSeat; ++slot) {
            const int bit = CardBitOf(deck[(seat - 1) * kCardsPerSeat + slot].card);
            if (bit >= 0)
                hand.held[seat] |= CardSet{1} << bit;
        }
        if (hand.held[seat] & kOpeningMask)
            hand.toMove = seat;
        hand.paid[seat] = kStake;
    }
    hand.bank = kSeatCount * kStake;
    return hand;
}

CompactHand CompactHand::FromGame(const GameState &game) {
    CompactHand hand;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        hand.held[seat] = HandCards(game.Hands[seat], game.CardCount[seat]);
        hand.paid[seat] = -game.HandPaid[seat];
    }
    hand.table = TableCards(game.Table);
    hand.bank = game.Bank;
    hand.toMove = game.ToMove;
    hand.moveNumber = game.MoveNumber;
    for (int seat = 1; seat <= kSeatCount && hand.winner == 0; ++seat) {
        if (game.CardCount[seat] == 0 && game.Phase == kPhasePlaying)
            hand.winner = seat;
    }
    return hand;
}

void CompactHand::CopyTo(GameState &game) const {
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        ClearHand(game.Hands[seat]);
        int slot = 0;
        for (CardSet rest = held[seat]; rest != 0; rest &= rest - 1) {
            const TStr2 card = CardOfBit(LowestBit(rest));
            game.Hands[seat][++slot] =
                HandSlot{card, static_cast<std::uint8_t>(ParseCard(card)->rank)};
        }
        game.CardCount[seat] = static_cast<std::uint8_t>(slot);
        game.HandPaid[seat] = -paid[seat];
        game.HandPenalty[seat] = winner != 0 && seat != winner ? -slot * kPenaltyPerCard : 0;
    }
    game.Table = GameState::EmptyTable();
    for (CardSet rest = table; rest != 0; rest &= rest - 1) {
        const TStr2 card = CardOfBit(LowestBit(rest));
        const auto parsed = ParseCard(card);
        game.Table[parsed->suit][parsed->rank] = card;
    }
    game.Bank = bank;
    game.MoveNumber = static_cast<std::uint8_t>(moveNumber);
    game.Phase = kPhasePlaying;
    game.ToMove = static_cast<std::uint8_t>(winner != 0 ? kHandEnded : toMove);
}

void PlayOutWithChooser(CompactHand &hand) {
    // Some seat always holds a card that fits, so a hand ends within 36
    // cards and a few passes between them; the limit only guards against a
    // broken position.
    for (int moves = 0; hand.InPlay() && moves < kHandMoveLimit; ++moves) {
        hand.PlayOrPass(ChooseCardBit(hand.held[hand.toMove], hand.table, hand.moveNumber));
    }
}

} // namespace quarn
