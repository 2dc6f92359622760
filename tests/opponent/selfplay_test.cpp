#include <gtest/gtest.h>

#include "opponent/Chooser.h"
#include "opponent/SelfPlay.h"
#include "rules/Invariants.h"
#include "rules/Match.h"
#include "rules/Moves.h"

namespace quarn {
namespace {

// Checks every position of every hand: the invariants of the game state,
// the opening card, and that the chooser passes exactly when nothing fits.
class CheckingObserver : public HandObserver {
  public:
    std::string failure;
    int plays = 0;
    int passes = 0;

    bool After(const GameState &game, const HandStep &step) override {
        if (auto broken = CheckInvariants(game))
            return Fail(*broken);
        switch (step.event) {
        case HandEvent::Played:
            if (game.MoveNumber == 2 && step.card != kOpeningCard)
                return Fail("first card is not the nine of diamonds");
            ++plays;
            break;
        case HandEvent::Passed:
            if (!HasNoPlay(game, step.seat))
                return Fail("passed while holding a playable card");
            ++passes;
            break;
        case HandEvent::Settled:
            if (game.Bank != 0)
                return Fail("bank left after settlement");
            break;
        default:
            break;
        }
        if (game.HandInPlay() && game.MoveNumber > 1 && HandWinner(game) == 0) {
            const int seat = game.ToMove;
            const int slot = ChooseCard(game.Hands[seat], game.Table, game.MoveNumber);
            if ((slot == 0) != HasNoPlay(game, seat))
                return Fail("chooser disagrees with HasNoPlay");
            if (slot != 0 && !IsPlayable(game, game.Hands[seat][slot].card))
                return Fail("chooser picked an unplayable card");
        }
        return true;
    }

  private:
    bool Fail(const std::string &what) {
        failure = what;
        return false;
    }
};

TEST(SelfPlay, ThousandsOfHandsKeepEveryInvariantAndEnd) {
    GameState game;
    game.PlayerKind = kNewPlayer;
    NewMatch(game, PlayerStanding{"Self", 0, 0, 0});
    DeckRandom random(20240601);
    CheckingObserver observer;
    PerSeat<int> wins{};
    constexpr int kHands = 5000;
    for (int hand = 1; hand <= kHands; ++hand) {
        const HandResult result = PlaySelfHand(game, random, &observer);
        ASSERT_TRUE(observer.failure.empty()) << "hand " << hand << ": " << observer.failure;
        ASSERT_FALSE(result.stalled) << "hand " << hand;
        ASSERT_TRUE(result.completed) << "hand " << hand;
        ++wins[result.winner];
        ASSERT_EQ(game.ToMove, kHandSettled);
        ASSERT_TRUE(game.MayLeave);
    }
    EXPECT_EQ(game.HandNumber, kHands);
    EXPECT_EQ(game.Score[1] + game.Score[2] + game.Score[3] + game.Score[4], 0);
    EXPECT_EQ(game.PlayerScore, game.Score[4]);
    EXPECT_GE(observer.plays, kHands * kCardsPerSeat); // the winner alone plays nine
    EXPECT_GT(observer.passes, 0);
    // Four equal players: every seat wins a fair share.
    for (int seat = 1; seat <= kSeatCount; ++seat)
        EXPECT_GT(wins[seat], kHands / 8) << "seat " << seat;
}

TEST(SelfPlay, TheSameSeedPlaysTheSameHands) {
    auto play = [](std::uint64_t seed) {
        GameState game;
        DeckRandom random(seed);
        for (int hand = 0; hand < 50; ++hand)
            PlaySelfHand(game, random);
        return game;
    };
    EXPECT_EQ(play(99), play(99));
    EXPECT_NE(play(99).Score, play(100).Score);
}

} // namespace
} // namespace quarn
