#include <gtest/gtest.h>

#include <functional>

#include "opponent/Chooser.h"
#include "opponent/MatchReplay.h"
#include "rules/Match.h"
#include "rules/Moves.h"

namespace quarn {
namespace {

struct PlayedMatch {
    MatchMoves moves;
    int score = 0;
};

// A program's match dealt from the seed: the player at seat 4 follows the
// standard chooser and every move of seat 4 is kept; the score is the one
// the program's own game ends with.
PlayedMatch PlayFromSeed(std::uint64_t seed, int hands, bool strong, int deals) {
    PlayedMatch played;
    played.moves = ChooserPlayerMoves(seed, strong, hands, deals);
    GameState game;
    game.PlayerKind = kAccountPlayer;
    NewMatch(game, PlayerStanding{});
    ComputerSeats seats;
    seats.Setup(strong, OpponentSeed(seed), deals);
    for (int h = 1; h <= hands; ++h) {
        NewHand(game, SeededDeck(seed, h));
        seats.HandDealt();
        StartHand(game);
        std::size_t next = 0;
        while (game.HandInPlay()) {
            const int seat = game.ToMove;
            const int slot =
                seat == kPlayerSeat ? played.moves[h - 1].at(next++) : seats.Choose(game, seat);
            const TStr2 card = slot > 0 ? game.Hands[seat][slot].card : kEmptyCard;
            MoveSeat(game, seat, slot, Announce::No);
            seats.Note(game, seat, card);
        }
        SettleHand(game);
    }
    played.score = game.Score[kPlayerSeat];
    return played;
}

TEST(SeededDeck, SameSeedSameDeckAndHandsDiffer) {
    EXPECT_EQ(SeededDeck(42, 1), SeededDeck(42, 1));
    EXPECT_NE(SeededDeck(42, 1), SeededDeck(42, 2));
    EXPECT_NE(SeededDeck(42, 1), SeededDeck(43, 1));
    EXPECT_TRUE(IsCompleteDeck(SeededDeck(7, 30)));
}

TEST(MoveText, RoundTripAndRefusals) {
    const MatchMoves moves{{1, 0, 3}, {9, 2}};
    EXPECT_EQ(EncodeMoves(moves), "103.92");
    EXPECT_EQ(DecodeMoves("103.92"), moves);
    for (const char *bad : {"", ".", "12.", ".12", "1..2", "12a", "1 2", "-1"})
        EXPECT_FALSE(DecodeMoves(bad)) << bad;
    std::string tooMany = "1";
    for (int i = 0; i < kMaxReplayHands; ++i)
        tooMany += ".1";
    EXPECT_FALSE(DecodeMoves(tooMany));
    EXPECT_FALSE(DecodeMoves(std::string(200, '0')));
}

TEST(ReplayMatch, HonestMovesGiveThePlayedScore) {
    for (const bool strong : {false, true}) {
        for (const std::uint64_t seed : {1ull, 99ull, 123456789ull}) {
            const PlayedMatch played = PlayFromSeed(seed, 3, strong, 20);
            const ReplayResult replay = ReplayMatch(seed, strong, played.moves, 20);
            ASSERT_TRUE(replay.ok) << replay.error;
            EXPECT_EQ(replay.matchScore, played.score);
            ASSERT_EQ(replay.handScores.size(), 3u);
            EXPECT_EQ(replay.handScores[0] + replay.handScores[1] + replay.handScores[2],
                      played.score);
        }
    }
}

TEST(ReplayMatch, RefusesMovesThatDoNotFitTheDeal) {
    const std::uint64_t seed = 5;
    const PlayedMatch played = PlayFromSeed(seed, 2, false, 0);
    struct Case {
        const char *name;
        std::function<void(MatchMoves &)> change;
    };
    const Case cases[] = {
        {"a slot beyond the hand", [](MatchMoves &m) { m[0][0] = 9; }},
        {"a move cut off", [](MatchMoves &m) { m[1].pop_back(); }},
        {"a move too many", [](MatchMoves &m) { m[0].push_back(1); }},
        {"a pass while a card fits",
         [](MatchMoves &m) {
             for (auto &slot : m[1])
                 if (slot != 0) {
                     slot = 0;
                     return;
                 }
         }},
    };
    for (const Case &c : cases) {
        MatchMoves moves = played.moves;
        c.change(moves);
        if (moves == played.moves)
            continue;
        const ReplayResult replay = ReplayMatch(seed, false, moves);
        EXPECT_FALSE(replay.ok) << c.name;
        EXPECT_FALSE(replay.error.empty()) << c.name;
    }
    // The same moves on another seed's deals are not a match that was played.
    EXPECT_FALSE(ReplayMatch(seed + 1, false, played.moves).ok);
    EXPECT_FALSE(ReplayMatch(seed, false, {}).ok);
}

} // namespace
} // namespace quarn
