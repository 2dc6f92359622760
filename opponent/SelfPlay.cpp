#include "opponent/SelfPlay.h"

#include "opponent/Chooser.h"
#include "rules/Match.h"
#include "rules/Moves.h"

namespace quarn {
namespace {

bool Tell(HandObserver *observer, const GameState &game, const HandStep &step) {
    return observer == nullptr || observer->After(game, step);
}

} // namespace

HandResult PlaySelfHand(GameState &game, DeckRandom &random, HandObserver *observer) {
    HandResult result;
    if (!NewHand(game, ShuffleDeck(random)))
        return result;
    if (!Tell(observer, game, {HandEvent::Dealt}))
        return result;
    if (!StartHand(game) || !Tell(observer, game, {HandEvent::Started}))
        return result;

    for (int moves = 0; game.HandInPlay(); ++moves) {
        if (moves == kHandMoveLimit) {
            result.stalled = true;
            return result;
        }
        const int seat = game.ToMove;
        const int slot = ChooseCard(game.Hands[seat], game.Table, game.MoveNumber);
        if (slot == 0) {
            if (!MoveSeat(game, seat, 0, Announce::Yes) ||
                !Tell(observer, game, {HandEvent::Passed, seat}))
                return result;
            continue;
        }
        const TStr2 card = game.Hands[seat][slot].card;
        if (!MoveSeat(game, seat, slot, Announce::Yes))
            return result;
        if (!Tell(observer, game, {HandEvent::Played, seat, slot, card}))
            return result;
        if (game.ToMove == kHandEnded && !Tell(observer, game, {HandEvent::Ended, seat}))
            return result;
    }
    result.winner = HandWinner(game);
    if (!SettleHand(game) || !Tell(observer, game, {HandEvent::Settled, result.winner}))
        return result;
    result.completed = true;
    return result;
}

} // namespace quarn
