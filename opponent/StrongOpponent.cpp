#include "opponent/StrongOpponent.h"

#include <algorithm>
#include <bit>
#include <vector>

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
constexpr int kChainStepsPerDeal = 40;

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

// What follows one of the seat's cards up to its next real choice: the
// other seats' cards and passes and the seat's own forced moves, all played
// by the standard chooser. `seen` is a running hash of those moves: two
// deals that show the seat the same moves lead to the same next choice.
struct NextChoice {
    CompactHand hand;
    std::uint64_t seen = 1469598103934665603ull; // FNV-1a offset basis
    bool choosing = false;                       // false: the hand ended first
};

NextChoice PlayToNextChoice(const CompactHand &from, int seat) {
    NextChoice next{from};
    CompactHand &hand = next.hand;
    for (int moves = 0; hand.InPlay() && moves < kHandMoveLimit; ++moves) {
        const CardSet held = hand.held[hand.toMove];
        const int chosen = ChooseCardBit(held, hand.table, hand.moveNumber);
        if (hand.toMove == seat && chosen >= 0) {
            const CardSet fits = PlayableCards(hand.table, hand.moveNumber) & held;
            if ((fits & (fits - 1)) != 0) {
                next.choosing = true;
                return next;
            }
        }
        const auto move = static_cast<std::uint64_t>(hand.toMove * 64 + chosen + 1);
        next.seen = (next.seen ^ move) * 1099511628211ull; // FNV-1a prime
        hand.PlayOrPass(chosen);
    }
    return next;
}

// The seat's choices from here, over the sampled deals: a node is one
// choice of the seat as it will see it (what it holds, the table and what
// the others did on the way), and every deal that leads there plays every
// card it could play. Deals that show the seat different moves part into
// different nodes, so a later choice is made on what the seat will know
// then, never on the hidden cards of one deal. kLookAhead choices deep,
// after which the standard chooser plays the hand out.
//
// A node's value is its best card's sum over the deals that reach it; a
// card's sum is what its deals scored where the hand ended or the search
// stopped, plus the values of the choices it led to. Sums, not averages:
// every card of a node is played in the same deals.
class ChoiceTree {
  public:
    ChoiceTree(const CompactHand &root, int seat) : seat_(seat) {
        nodes_.reserve(4096);
        AddNode(root);
    }

    // Plays every line of the tree in one more deal of the unseen cards.
    void AddDeal(const CompactHand &deal) { Expand(0, deal, kLookAhead); }

    int RootCardCount() const { return nodes_[0].count; }
    int RootCard(int i) const { return nodes_[0].card[i]; }
    long long RootCardSum(int i) const { return CardSum(0, i); }

  private:
    static constexpr int kLookAhead = 2;

    struct Node {
        CardSet table = 0;
        int moveNumber = 0;
        int count = 0;
        std::array<std::uint8_t, kCardsPerSeat> card{}; // the standard chooser's first
        std::array<long long, kCardsPerSeat> ended{};   // points of lines that stopped
        std::array<int, kCardsPerSeat> firstNext{};     // list of the choices led to
    };
    struct Link {
        std::uint64_t seen;
        int node;
        int next;
    };

    int seat_;
    std::vector<Node> nodes_;
    std::vector<Link> links_;

    int AddNode(const CompactHand &hand) {
        Node node;
        node.table = hand.table;
        node.moveNumber = hand.moveNumber;
        const CardSet held = hand.held[seat_];
        const CardSet fits = PlayableCards(hand.table, hand.moveNumber) & held;
        const int standard = ChooseCardBit(held, hand.table, hand.moveNumber);
        node.card[node.count++] = static_cast<std::uint8_t>(standard);
        for (CardSet rest = fits & ~(CardSet{1} << standard); rest != 0; rest &= rest - 1)
            node.card[node.count++] = static_cast<std::uint8_t>(LowestBit(rest));
        node.firstNext.fill(-1);
        nodes_.push_back(node);
        return static_cast<int>(nodes_.size()) - 1;
    }

    // The node a card's line leads to with these moves seen on the way; the
    // table is compared too, so that even a clash of the hash cannot join
    // two different choices.
    int NodeAfter(int from, int i, const NextChoice &next) {
        for (int link = nodes_[from].firstNext[i]; link >= 0; link = links_[link].next) {
            const Node &node = nodes_[links_[link].node];
            if (links_[link].seen == next.seen && node.table == next.hand.table &&
                node.moveNumber == next.hand.moveNumber)
                return links_[link].node;
        }
        const int node = AddNode(next.hand);
        links_.push_back(Link{next.seen, node, nodes_[from].firstNext[i]});
        nodes_[from].firstNext[i] = static_cast<int>(links_.size()) - 1;
        return node;
    }

    void Expand(int id, const CompactHand &hand, int depth) {
        for (int i = 0; i < nodes_[id].count; ++i) {
            CompactHand line = hand;
            line.Play(nodes_[id].card[i]);
            if (depth > 0) {
                const NextChoice next = PlayToNextChoice(line, seat_);
                if (next.choosing) {
                    Expand(NodeAfter(id, i, next), next.hand, depth - 1);
                    continue;
                }
                line = next.hand;
            }
            PlayOutWithChooser(line);
            nodes_[id].ended[i] += line.Result(seat_);
        }
    }

    long long CardSum(int id, int i) const {
        long long sum = nodes_[id].ended[i];
        for (int link = nodes_[id].firstNext[i]; link >= 0; link = links_[link].next)
            sum += Value(links_[link].node);
        return sum;
    }

    long long Value(int id) const {
        long long best = CardSum(id, 0);
        for (int i = 1; i < nodes_[id].count; ++i)
            best = std::max(best, CardSum(id, i));
        return best;
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

StrongOpponent::StrongOpponent(std::uint64_t seed, int dealsPerChoice)
    : random_(seed), deals_(dealsPerChoice > 0 ? dealsPerChoice : 1) {}

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

    DealChain chain(sampler, knowledge, view.seat, random_);
    chain.Walk(kChainBurnIn, random_);

    CompactHand start;
    start.table = view.table;
    start.bank = view.bank;
    start.toMove = view.seat;
    start.moveNumber = view.moveNumber;
    start.held = chain.Deal();
    ChoiceTree tree(start, view.seat);
    for (int deal = 0; deal < deals_; ++deal) {
        chain.Walk(kChainStepsPerDeal, random_);
        start.held = chain.Deal();
        tree.AddDeal(start);
    }
    // The standard chooser's card comes first and keeps a tie.
    int best = 0;
    long long bestSum = tree.RootCardSum(0);
    for (int i = 1; i < tree.RootCardCount(); ++i) {
        if (const long long sum = tree.RootCardSum(i); sum > bestSum) {
            best = i;
            bestSum = sum;
        }
    }
    return tree.RootCard(best);
}

} // namespace quarn
