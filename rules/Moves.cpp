#include "rules/Moves.h"

#include <algorithm>

namespace quarn {
namespace {

bool IsSeat(int seat) {
    return seat >= 1 && seat <= kSeatCount;
}

// The rank that must lie on the table before a card of this rank fits:
// the next rank towards the nine. 0 for the nine itself.
int NeighbourTowardsNine(int rank) {
    if (rank < kNine)
        return rank + 1;
    if (rank > kNine)
        return rank - 1;
    return 0;
}

bool FaceUp(const GameState &game, int seat) {
    return seat == kPlayerSeat ||
           (!game.HandsUnknown && (game.HandsOpen || game.ToMove >= kHandEnded));
}

} // namespace

bool IsPlayableOn(const TableRows &table, int moveNumber, TStr2 card) {
    if (moveNumber == 1)
        return card == kOpeningCard;
    const auto parsed = ParseCard(card);
    if (!parsed)
        return false;
    if (table[parsed->suit][parsed->rank] != kEmptyCard)
        return false;
    const int neighbour = NeighbourTowardsNine(parsed->rank);
    if (neighbour == 0)
        return true;
    return table[parsed->suit][neighbour] != kEmptyCard;
}

bool IsPlayable(const GameState &game, TStr2 card) {
    return IsPlayableOn(game.Table, game.MoveNumber, card);
}

bool HasNoPlay(const GameState &game, int seat) {
    if (!IsSeat(seat))
        return false;
    const int count = std::min<int>(game.CardCount[seat], kHandSlots);
    for (int slot = 1; slot <= count; ++slot) {
        // Move number 2 stands for "any move after the first".
        if (IsPlayableOn(game.Table, 2, game.Hands[seat][slot].card))
            return false;
    }
    return true;
}

int NextSeat(int seat) {
    return seat % kSeatCount + 1;
}

void RefreshPlayerScore(GameState &game) {
    game.PlayerScore = game.Score[kPlayerSeat];
    game.PlayerTotal = game.ScoreAtStart + game.PlayerScore;
}

bool StartHand(GameState &game, const Outside &out) {
    if (game.Phase != kPhaseDealt || !IsSeat(game.ToMove))
        return false;
    game.Phase = kPhasePlaying;
    const bool announced = (game.Network && game.NetRole == kHostRole) || game.Tournament;
    if (announced)
        out.Announce().AnnounceStart();
    for (int seat = 1; seat <= kSeatCount; ++seat)
        Pass(game, seat, Announce::No, Advance::No, out);
    RefreshPlayerScore(game);
    if (announced)
        out.Announce().OwnMoveApplied();
    return true;
}

bool PlayCard(GameState &game, int seat, int slot, Announce announce, const Outside &out) {
    if (!game.HandInPlay() || !IsSeat(seat))
        return false;
    if (slot < 1 || slot > game.CardCount[seat] || slot > kHandSlots)
        return false;
    const TStr2 card = game.Hands[seat][slot].card;
    const auto parsed = ParseCard(card);
    if (!parsed || game.Table[parsed->suit][parsed->rank] != kEmptyCard)
        return false;

    if (announce == Announce::Yes && (game.Network || game.Tournament))
        out.Announce().AnnounceMove(seat, slot, card);

    game.Hands[seat][slot] = HandSlot{};
    game.CardCount[seat] -= 1;
    game.Table[parsed->suit][parsed->rank] = card;

    TableView &view = out.View();
    if (view.CardFlightOn()) {
        SortHand(game.Hands[seat]);
        view.RedrawHand(seat, FaceUp(game, seat));
        view.FlyCard(seat, slot, card);
        view.RedrawTable();
    } else {
        view.RedrawTable();
        SortHand(game.Hands[seat]);
        view.RedrawHand(seat, FaceUp(game, seat));
    }
    out.Sound().Play(kSoundCardPlayed, true);

    game.ToMove = static_cast<std::uint8_t>(NextSeat(seat));
    view.RedrawTabs(game.ToMove);
    game.MoveNumber += 1;
    return true;
}

bool Pass(GameState &game, int seat, Announce announce, Advance advance, const Outside &out) {
    if (!game.HandInPlay() || !IsSeat(seat))
        return false;
    if (announce == Announce::Yes && (game.Network || game.Tournament))
        out.Announce().AnnouncePass(seat);

    game.Score[seat] -= kPassFee;
    RefreshPlayerScore(game);
    game.Bank += kPassFee;
    game.HandPaid[seat] -= kPassFee;

    TableView &view = out.View();
    view.RedrawBank();
    view.RedrawTabs(game.ToMove);
    out.Sound().Play(kSoundPass, true);

    if (advance == Advance::Yes) {
        game.ToMove = static_cast<std::uint8_t>(NextSeat(game.ToMove));
        view.RedrawTabs(game.ToMove);
    }
    return true;
}

} // namespace quarn
