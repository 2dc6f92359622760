// The strong opponent and its parts: the compact chooser, a rollout, the
// deal sampler and whole choices at the default strength.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "opponent/CardSet.h"
#include "opponent/CompactHand.h"
#include "opponent/StrongOpponent.h"
#include "rules/Deck.h"

namespace quarn {
namespace {

CardSet Set(std::initializer_list<std::pair<int, int>> cards) {
    CardSet set = 0;
    for (const auto &[suit, rank] : cards)
        set |= CardMask(suit, rank);
    return set;
}

// The widest choice there is: the four nines lie on the table and the seat
// to move holds all eight cards that fit them, with every other card out.
SeatView WidestChoice() {
    SeatView view;
    view.seat = 4;
    view.table = Set({{kHearts, kNine}, {kDiamonds, kNine}, {kClubs, kNine}, {kSpades, kNine}});
    for (int suit = 1; suit <= kSuitCount; ++suit)
        view.own |= CardMask(suit, kEight) | CardMask(suit, kTen);
    view.own |= CardMask(kHearts, kSix);
    view.cardCount = {0, 8, 8, 7, 9};
    view.moveNumber = 5;
    view.bank = 8;
    return view;
}

// Hands dealt and started from a fixed seed.
std::vector<CompactHand> DealtHands(int count) {
    std::vector<CompactHand> hands;
    DeckRandom random(3);
    for (int i = 0; i < count; ++i)
        hands.push_back(CompactHand::DealtAndStarted(ShuffleDeck(random)));
    return hands;
}

void BM_CompactChooser(benchmark::State &state) {
    // Positions of real play: every decision of some rollouts.
    struct Position {
        CardSet held, table;
        int moveNumber;
    };
    std::vector<Position> positions;
    for (CompactHand hand : DealtHands(50)) {
        while (hand.InPlay()) {
            positions.push_back({hand.held[hand.toMove], hand.table, hand.moveNumber});
            const int bit = ChooseCardBit(hand.held[hand.toMove], hand.table, hand.moveNumber);
            bit < 0 ? hand.Pass() : hand.Play(bit);
        }
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const Position &p = positions[i];
        benchmark::DoNotOptimize(ChooseCardBit(p.held, p.table, p.moveNumber));
        if (++i == positions.size())
            i = 0;
    }
}
BENCHMARK(BM_CompactChooser);

// The self-play tool's work per hand without its checks: the shuffle, the
// deal and every chooser move on the compact hand.
void BM_CompactWholeHand(benchmark::State &state) {
    DeckRandom random(7);
    for (auto _ : state) {
        CompactHand hand = CompactHand::DealtAndStarted(ShuffleDeck(random));
        PlayOutWithChooser(hand);
        benchmark::DoNotOptimize(hand.winner);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CompactWholeHand);

// One rollout from the start of a hand (the longest there is).
void BM_Rollout(benchmark::State &state) {
    const std::vector<CompactHand> hands = DealtHands(64);
    std::size_t i = 0;
    for (auto _ : state) {
        CompactHand hand = hands[i];
        PlayOutWithChooser(hand);
        benchmark::DoNotOptimize(hand.winner);
        i = (i + 1) % hands.size();
    }
}
BENCHMARK(BM_Rollout);

void BM_DealSamplerSetUp(benchmark::State &state) {
    const SeatView view = WidestChoice();
    HandKnowledge knowledge;
    knowledge.NotePass(view.table, view.moveNumber, 2);
    for (auto _ : state) {
        DealSampler sampler(view, knowledge);
        benchmark::DoNotOptimize(sampler.Valid());
    }
}
BENCHMARK(BM_DealSamplerSetUp);

void BM_DealSample(benchmark::State &state) {
    const SeatView view = WidestChoice();
    HandKnowledge knowledge;
    knowledge.NotePass(view.table, view.moveNumber, 2);
    const DealSampler sampler(view, knowledge);
    OpponentRandom random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(sampler.Sample(random));
}
BENCHMARK(BM_DealSample);

// The widest choice there is: eight cards from the fifth card of the hand,
// and wide choices after them, so every deal plays the most lines: the
// slowest a choice can be. It must stay within 150 ms on one core at the
// default strength.
void BM_StrongWidestChoice(benchmark::State &state) {
    const SeatView view = WidestChoice();
    StrongOpponent strong(1, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(strong.ChooseCardBit(view, HandKnowledge{}));
}
BENCHMARK(BM_StrongWidestChoice)
    ->ArgName("deals")
    ->Arg(kDefaultDeals / 10)
    ->Arg(kDefaultDeals)
    ->Unit(benchmark::kMillisecond);

// Every choice of the strong seat over whole hands at the default strength:
// the time of a choice averaged over real play (seat 4 strong, the others
// standard). The counter "choices" gives how many choices one hand holds,
// "slowest_ms" the longest single choice seen.
void BM_StrongChoicesInPlay(benchmark::State &state) {
    const std::vector<CompactHand> hands = DealtHands(8);
    StrongOpponent strong(2);
    std::size_t next = 0;
    long long choices = 0;
    double slowest = 0;
    for (auto _ : state) {
        CompactHand hand = hands[next];
        next = (next + 1) % hands.size();
        HandKnowledge knowledge;
        while (hand.InPlay()) {
            const int seat = hand.toMove;
            int bit;
            if (seat == 4) {
                const auto start = std::chrono::steady_clock::now();
                bit = strong.ChooseCardBit(ViewOf(hand, seat), knowledge);
                const std::chrono::duration<double, std::milli> took =
                    std::chrono::steady_clock::now() - start;
                slowest = std::max(slowest, took.count());
                ++choices;
            } else {
                bit = ChooseCardBit(hand.held[seat], hand.table, hand.moveNumber);
            }
            if (bit < 0) {
                knowledge.NotePass(hand.table, hand.moveNumber, seat);
                hand.Pass();
            } else {
                hand.Play(bit);
                knowledge.NotePlay(seat, bit);
            }
        }
        benchmark::DoNotOptimize(hand.winner);
    }
    state.counters["choices"] =
        benchmark::Counter(static_cast<double>(choices), benchmark::Counter::kAvgIterations);
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_StrongChoicesInPlay)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quarn
