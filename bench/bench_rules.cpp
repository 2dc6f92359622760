// The card chooser on typical positions and whole self-played hands.

#include <benchmark/benchmark.h>

#include <vector>

#include "opponent/Chooser.h"
#include "opponent/SelfPlay.h"
#include "rules/Invariants.h"

namespace quarn {
namespace {

struct Position {
    Hand hand;
    TableRows table;
    int moveNumber;
};

// Positions met in real play: every chooser call of a few seeded hands.
class Recorder : public HandObserver {
  public:
    std::vector<Position> positions;
    bool After(const GameState &game, const HandStep &) override {
        if (game.HandInPlay())
            positions.push_back({game.Hands[game.ToMove], game.Table, game.MoveNumber});
        return true;
    }
};

const std::vector<Position> &TypicalPositions() {
    static const std::vector<Position> positions = [] {
        Recorder recorder;
        GameState game;
        DeckRandom random(42);
        for (int hand = 0; hand < 50; ++hand)
            PlaySelfHand(game, random, &recorder);
        return recorder.positions;
    }();
    return positions;
}

void BM_ChooseCard(benchmark::State &state) {
    const auto &positions = TypicalPositions();
    std::size_t i = 0;
    for (auto _ : state) {
        const Position &p = positions[i];
        benchmark::DoNotOptimize(ChooseCard(p.hand, p.table, p.moveNumber));
        if (++i == positions.size())
            i = 0;
    }
}
BENCHMARK(BM_ChooseCard);

// Deal, start, every move, the end and the settlement of one hand.
void BM_WholeHand(benchmark::State &state) {
    GameState game;
    DeckRandom random(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaySelfHand(game, random));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WholeHand)->Unit(benchmark::kMicrosecond);

void BM_CheckInvariants(benchmark::State &state) {
    GameState game;
    DeckRandom random(7);
    PlaySelfHand(game, random);
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckInvariants(game));
}
BENCHMARK(BM_CheckInvariants);

} // namespace
} // namespace quarn
