#include "opponent/StrongOpponent.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "opponent/SelfPlay.h"

namespace quarn {
namespace {

// A deal is weighed down by this factor for every play of another seat that
// the standard chooser would not have made with it: the computer seats play
// that way, and a person's choices often agree with it too. Not zero, so
// that a seat playing otherwise still leaves every deal possible.
constexpr double kDisagreementWeight = 0.01;
// Swaps tried before the first deal is used, and between two deals.
constexpr int kChainBurnIn = 200;
constexpr int kChainStepsPerDeal = 10;
// The deals come in batches of this many; a card may be dropped after
// kMinBatches, when its shortfall against the leading card is at least
// three times the standard error of that shortfall (the margin is kept
// squared).
constexpr int kBatchDeals = 50;
constexpr int kMinBatches = 5;
constexpr long long kDropMarginSquared = 9;

std::uint64_t SplitMix(std::uint64_t &x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A walk over the deals that agree with the counts and the passes, each
// visited in proportion to weight^(disagreements): deals under which the
// other seats' plays look like the standard chooser's are preferred.
// Each step swaps one card between two other seats.
class DealChain {
  public:
    DealChain(const DealSampler &sampler, const HandKnowledge &knowledge, int seat,
              OpponentRandom &random)
        : knowledge_(knowledge), exclusions_(sampler.AgreesWithPasses()) {
        for (int other = 1; other <= kSeatCount; ++other) {
            if (other != seat)
                others_[otherCount_++] = other;
        }
        // By multiplication, not pow: each step is exactly rounded, so every
        // machine walks the same way from the same seed.
        weightOf_[0] = 1.0;
        for (std::size_t d = 1; d < weightOf_.size(); ++d)
            weightOf_[d] = weightOf_[d - 1] * kDisagreementWeight;
        // The table before each play, and each seat's plays in order.
        CardSet table = 0;
        for (int i = 0; i < knowledge.PlayCount(); ++i) {
            const PlayedCard &play = knowledge.Play(i);
            const CardSet card = CardSet{1} << play.bit;
            if (play.seat != seat) {
                SeatPlays &plays = plays_[play.seat];
                plays.table[plays.count] = table;
                plays.moveNumber[plays.count] = static_cast<std::uint8_t>(i + 1);
                plays.card[plays.count] = play.bit;
                ++plays.count;
                plays.cards |= card;
            }
            table |= card;
        }
        deal_ = sampler.Sample(random);
        for (const int other : others_) {
            disagreements_[other] = Disagreements(other, deal_[other]);
            total_ += disagreements_[other];
        }
    }

    const PerSeat<CardSet> &Deal() const { return deal_; }

    void Walk(int steps, OpponentRandom &random) {
        for (int step = 0; step < steps; ++step)
            Step(random);
    }

  private:
    // One other seat's plays: the table each was made on, and the card.
    struct SeatPlays {
        std::array<CardSet, kDeckSize> table{};
        std::array<std::uint8_t, kDeckSize> moveNumber{};
        std::array<std::uint8_t, kDeckSize> card{};
        int count = 0;
        CardSet cards = 0;
    };

    const HandKnowledge &knowledge_;
    bool exclusions_; // false when the passes noted contradict each other
    std::array<int, 3> others_{};
    int otherCount_ = 0;
    std::array<double, kDeckSize + 1> weightOf_{};
    PerSeat<SeatPlays> plays_{};
    PerSeat<CardSet> deal_{};
    PerSeat<int> disagreements_{};
    int total_ = 0;

    // How many of the seat's past choices among two or more cards that
    // fitted the standard chooser would have made otherwise, had it held
    // these cards now: the cards it played since are added back.
    int Disagreements(int seat, CardSet heldNow) const {
        const SeatPlays &plays = plays_[seat];
        CardSet held = heldNow | plays.cards;
        int disagreements = 0;
        for (int i = 0; i < plays.count; ++i) {
            const CardSet fits = PlayableCards(plays.table[i], plays.moveNumber[i]) & held;
            if ((fits & (fits - 1)) != 0 &&
                quarn::ChooseCardBit(held, plays.table[i], plays.moveNumber[i]) != plays.card[i])
                ++disagreements;
            held &= ~(CardSet{1} << plays.card[i]);
        }
        return disagreements;
    }

    static int PickCard(CardSet cards, OpponentRandom &random) {
        int skip = static_cast<int>(random.Below(static_cast<std::uint64_t>(CardCountOf(cards))));
        for (; skip > 0; --skip)
            cards &= cards - 1;
        return LowestBit(cards);
    }

    // Swaps a card of one other seat with a card of another, kept in
    // proportion to weight^(more disagreements) when it explains the plays
    // worse.
    void Step(OpponentRandom &random) {
        const int first = static_cast<int>(random.Below(3));
        const int second = (first + 1 + static_cast<int>(random.Below(2))) % 3;
        const int from = others_[first];
        const int to = others_[second];
        if (deal_[from] == 0 || deal_[to] == 0)
            return;
        const CardSet x = CardSet{1} << PickCard(deal_[from], random);
        const CardSet y = CardSet{1} << PickCard(deal_[to], random);
        if (exclusions_ &&
            ((knowledge_.Excluded(to) & x) != 0 || (knowledge_.Excluded(from) & y) != 0))
            return;
        const CardSet nextFrom = (deal_[from] & ~x) | y;
        const CardSet nextTo = (deal_[to] & ~y) | x;
        const int fromDisagreements = Disagreements(from, nextFrom);
        const int toDisagreements = Disagreements(to, nextTo);
        const int total = total_ - disagreements_[from] - disagreements_[to] + fromDisagreements +
                          toDisagreements;
        if (total > total_) {
            const double accept = weightOf_[total] / weightOf_[total_];
            if (static_cast<double>(random.Next() >> 11) * 0x1.0p-53 >= accept)
                return;
        }
        deal_[from] = nextFrom;
        deal_[to] = nextTo;
        disagreements_[from] = fromDisagreements;
        disagreements_[to] = toDisagreements;
        total_ = total;
    }
};

// Plays the hand out with the standard chooser at every seat and gives the
// seat's points from here to the end of the hand.
int RolloutResult(CompactHand hand, int seat) {
    PlayOutWithChooser(hand);
    return hand.Result(seat);
}

// The candidate cards of one choice and what the deals said of them: each
// card's total, and for every pair of cards the sum and the sum of squares
// of the batch differences, so that a card that falls clearly behind can be
// dropped. The walk's deals follow on from one another, so a single deal's
// spread would understate the error; batch sums are near independent. All
// sums are whole numbers and the test is done in them, so that every
// machine drops the same cards.
class CardRace {
  public:
    CardRace(CardSet legal, int standard) : standard_(standard) {
        for (CardSet rest = legal; rest != 0; rest &= rest - 1)
            cards_[count_++] = LowestBit(rest);
        alive_ = (1u << count_) - 1;
    }

    int Count() const { return count_; }
    int Card(int i) const { return cards_[i]; }
    bool Alive(int i) const { return ((alive_ >> i) & 1u) != 0; }
    bool Decided() const { return (alive_ & (alive_ - 1)) == 0; }

    // Adds one batch: the summed points of each card over its deals.
    void AddBatch(const std::array<long long, kCardsPerSeat> &batch) {
        ++batches_;
        for (int i = 0; i < count_; ++i) {
            total_[i] += batch[i];
            for (int j = 0; j < count_; ++j) {
                const long long d = batch[i] - batch[j];
                diffSum_[i][j] += d;
                diffSquares_[i][j] += d * d;
            }
        }
    }

    // Drops every card whose shortfall against the leader is at least
    // three standard errors; cards that did exactly as well as the
    // leader in every batch are dropped too (nothing tells them apart).
    void DropTrailing() {
        if (batches_ < kMinBatches)
            return;
        const int leader = Leader();
        for (int i = 0; i < count_; ++i) {
            if (i != leader && Alive(i) && ClearlyBehind(leader, i))
                alive_ &= ~(1u << i);
        }
    }

    // The card still in the race with the best total; the standard
    // chooser's card wins a tie.
    int Leader() const {
        int leader = -1;
        for (int i = 0; i < count_; ++i) {
            if (Alive(i) && (leader < 0 || total_[i] > total_[leader] ||
                             (total_[i] == total_[leader] && cards_[i] == standard_)))
                leader = i;
        }
        return leader;
    }

  private:
    using PairSums = std::array<std::array<long long, kCardsPerSeat>, kCardsPerSeat>;
    int standard_;
    std::array<int, kCardsPerSeat> cards_{};
    int count_ = 0;
    unsigned alive_ = 0;
    int batches_ = 0;
    std::array<long long, kCardsPerSeat> total_{};
    PairSums diffSum_{};
    PairSums diffSquares_{};

    // mean >= z * sqrt(variance / n) for the n batch differences, with
    // mean = S / n and variance = (Q - S^2 / n) / (n - 1), squared and
    // multiplied out: S >= 0 and S^2 (n - 1) >= z^2 (n Q - S^2).
    bool ClearlyBehind(int leader, int i) const {
        const long long n = batches_;
        const long long sum = diffSum_[leader][i];
        const long long squares = diffSquares_[leader][i];
        return sum >= 0 && sum * sum * (n - 1) >= kDropMarginSquared * (n * squares - sum * sum);
    }
};

} // namespace

SeatView ViewOf(const GameState &game, int seat) {
    SeatView view;
    view.seat = seat;
    if (seat >= 1 && seat <= kSeatCount)
        view.own = HandCards(game.Hands[seat], game.CardCount[seat]);
    view.table = TableCards(game.Table);
    for (int other = 1; other <= kSeatCount; ++other)
        view.cardCount[other] = game.CardCount[other];
    view.moveNumber = game.MoveNumber;
    view.bank = game.Bank;
    return view;
}

SeatView ViewOf(const CompactHand &hand, int seat) {
    SeatView view;
    view.seat = seat;
    view.own = hand.held[seat];
    view.table = hand.table;
    for (int other = 1; other <= kSeatCount; ++other)
        view.cardCount[other] = hand.CardsOf(other);
    view.moveNumber = hand.moveNumber;
    view.bank = hand.bank;
    return view;
}

OpponentRandom::OpponentRandom(std::uint64_t seed) {
    for (auto &word : state_)
        word = SplitMix(seed);
}

std::uint64_t OpponentRandom::Next() {
    const std::uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = std::rotl(state_[3], 45);
    return result;
}

std::uint64_t OpponentRandom::Below(std::uint64_t bound) {
    // Lemire's multiply-shift with rejection: exact and portable.
    std::uint64_t x = Next();
    unsigned __int128 m = static_cast<unsigned __int128>(x) * bound;
    std::uint64_t low = static_cast<std::uint64_t>(m);
    if (low < bound) {
        const std::uint64_t threshold = -bound % bound;
        while (low < threshold) {
            x = Next();
            m = static_cast<unsigned __int128>(x) * bound;
            low = static_cast<std::uint64_t>(m);
        }
    }
    return static_cast<std::uint64_t>(m >> 64);
}

DealSampler::DealSampler(const SeatView &view, const HandKnowledge &knowledge) : view_(view) {
    if (view.seat < 1 || view.seat > kSeatCount)
        return;
    int next = 0;
    int othersHold = 0;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (seat == view.seat)
            continue;
        others_[next++] = seat;
        if (view.cardCount[seat] < 0 || view.cardCount[seat] > kMaxCount)
            return;
        othersHold += view.cardCount[seat];
    }
    const CardSet unseen = kAllCards & ~view.own & ~view.table;
    if ((view.own & view.table) != 0 || CardCountOf(unseen) != othersHold)
        return;
    for (CardSet rest = unseen; rest != 0; rest &= rest - 1)
        unseen_[unseenCount_++] = LowestBit(rest);
    valid_ = true;
    agrees_ = CountWays(&knowledge);
    if (!agrees_)
        CountWays(nullptr);
}

bool DealSampler::CountWays(const HandKnowledge *knowledge) {
    for (int i = 0; i < unseenCount_; ++i) {
        mayHold_[i] = 0;
        for (int j = 0; j < 3; ++j) {
            const CardSet excluded = knowledge ? knowledge->Excluded(others_[j]) : 0;
            if (((excluded >> unseen_[i]) & 1u) == 0)
                mayHold_[i] |= static_cast<std::uint8_t>(1u << j);
        }
    }
    // Backwards over the cards: the deals of cards i.. given what the first
    // two other seats still take (the third takes the rest).
    const int n = unseenCount_;
    ways_[n] = Ways{};
    ways_[n][0][0] = 1;
    for (int i = n - 1; i >= 0; --i) {
        const int left = n - i;
        for (int a = 0; a <= kMaxCount; ++a) {
            for (int b = 0; b <= kMaxCount; ++b) {
                const int c = left - a - b;
                std::uint64_t ways = 0;
                if (c >= 0 && c <= kMaxCount) {
                    if (a > 0 && (mayHold_[i] & 1u))
                        ways += ways_[i + 1][a - 1][b];
                    if (b > 0 && (mayHold_[i] & 2u))
                        ways += ways_[i + 1][a][b - 1];
                    if (c > 0 && (mayHold_[i] & 4u))
                        ways += ways_[i + 1][a][b];
                }
                ways_[i][a][b] = ways;
            }
        }
    }
    return ways_[0][view_.cardCount[others_[0]]][view_.cardCount[others_[1]]] != 0;
}

PerSeat<CardSet> DealSampler::Sample(OpponentRandom &random) const {
    PerSeat<CardSet> hands{};
    hands[view_.seat] = view_.own;
    int a = view_.cardCount[others_[0]];
    int b = view_.cardCount[others_[1]];
    for (int i = 0; i < unseenCount_; ++i) {
        const std::uint64_t toFirst = a > 0 && (mayHold_[i] & 1u) ? ways_[i + 1][a - 1][b] : 0;
        const std::uint64_t toSecond = b > 0 && (mayHold_[i] & 2u) ? ways_[i + 1][a][b - 1] : 0;
        const std::uint64_t pick = random.Below(ways_[i][a][b]);
        int taker;
        if (pick < toFirst) {
            taker = 0;
            --a;
        } else if (pick < toFirst + toSecond) {
            taker = 1;
            --b;
        } else {
            taker = 2;
        }
        hands[others_[taker]] |= CardSet{1} << unseen_[i];
    }
    return hands;
}

StrongOpponent::StrongOpponent(std::uint64_t seed, int rolloutsPerCard, Pruning pruning)
    : random_(seed), rollouts_(rolloutsPerCard > 0 ? rolloutsPerCard : 1), pruning_(pruning) {}

std::uint8_t StrongOpponent::ChooseCard(const GameState &game, const HandKnowledge &knowledge) {
    const int seat = game.ToMove;
    if (!game.HandInPlay())
        return 0;
    const int bit = ChooseCardBit(ViewOf(game, seat), knowledge);
    if (bit < 0)
        return 0;
    return static_cast<std::uint8_t>(
        SlotOf(game.Hands[seat], CardOfBit(bit), game.CardCount[seat]));
}

int StrongOpponent::ChooseCardBit(const SeatView &view, const HandKnowledge &knowledge) {
    const CardSet legal = PlayableCards(view.table, view.moveNumber) & view.own;
    const int standard = quarn::ChooseCardBit(view.own, view.table, view.moveNumber);
    if (std::popcount(legal) <= 1)
        return legal == 0 ? -1 : LowestBit(legal);
    const DealSampler sampler(view, knowledge);
    if (!sampler.Valid())
        return standard;

    CardRace race(legal, standard);
    DealChain chain(sampler, knowledge, view.seat, random_);
    chain.Walk(kChainBurnIn, random_);

    CompactHand start;
    start.table = view.table;
    start.bank = view.bank;
    start.toMove = view.seat;
    start.moveNumber = view.moveNumber;
    // Every card still in the race is tried in the same deals, so the
    // comparison between cards is not blurred by the luck of the deals.
    for (int dealt = 0; dealt < rollouts_ && !race.Decided();) {
        std::array<long long, kCardsPerSeat> batch{};
        const int deals = std::min(kBatchDeals, rollouts_ - dealt);
        for (int deal = 0; deal < deals; ++deal) {
            chain.Walk(kChainStepsPerDeal, random_);
            start.held = chain.Deal();
            for (int i = 0; i < race.Count(); ++i) {
                if (!race.Alive(i))
                    continue;
                CompactHand hand = start;
                hand.Play(race.Card(i));
                batch[i] += RolloutResult(hand, view.seat);
            }
        }
        dealt += deals;
        race.AddBatch(batch);
        if (pruning_ == Pruning::DropTrailing)
            race.DropTrailing();
    }
    return race.Card(race.Leader());
}

} // namespace quarn
