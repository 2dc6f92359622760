// The account service's replay of a rated match: deals from the seed, the
// standard chooser at the computer seats, the player's moves decoded,
// checked and applied, every hand settled. The argument is the number of
// hands (an account match has 3; a whole game 30).

#include <benchmark/benchmark.h>

#include "opponent/MatchReplay.h"

namespace quarn {
namespace {

void BM_ReplayMatch(benchmark::State &state) {
    const std::uint64_t seed = 20251211;
    const std::string text = EncodeMoves(ChooserPlayerMoves(seed, false, int(state.range(0))));
    for (auto _ : state) {
        const std::optional<MatchMoves> moves = DecodeMoves(text);
        const ReplayResult replay = ReplayMatch(seed, false, *moves);
        benchmark::DoNotOptimize(replay.matchScore);
    }
}
BENCHMARK(BM_ReplayMatch)->Arg(3)->Arg(30)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quarn
