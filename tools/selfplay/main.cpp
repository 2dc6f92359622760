// quarn-selfplay HANDS [SEED] [--trace] [--check] [--strong SEATS] [--rollouts N]
//
// Plays HANDS complete hands with four computer seats and prints per seat
// the total score, the hands won and the passes, then per seat the average
// points per hand with its standard error, then for every strong seat its
// gain over the standard chooser in the same seat on the same deals, with
// its standard error ("gain seat N: ..."), then "hands/s: N".
//
// The hands are played on the compact twin of the game record (proved to
// play by the same rules by the opponent tests); the game state of every
// hand's end is written into a game record and its invariants checked. With
// --check every operation is also applied to a game record through the
// rule operations themselves (NewHand, StartHand, PlayCard, Pass, EndHand,
// SettleHand), whose invariants and agreement with the twin are checked
// after each one.
//
// --strong SEATS plays the listed seats (digits 1..4, e.g. "4" or "123")
// with the strong opponent, playing out N sampled deals per choice
// (--rollouts, default kDefaultDeals). Deals depend only on the seed, so
// runs with and without --strong play the same deals.
//
// Exits with 1, naming the broken rule, if anything goes wrong; 2 on bad
// arguments. With --trace every event is printed, one per line:
//   hand <number>
//   deal <seat> <card> x9          (seats 1..4, cards in hand order)
//   start <bank>
//   play <seat> <slot> <card>
//   pass <seat> <bank>
//   end <winner> <penalty1> <penalty2> <penalty3> <penalty4> <bank>
//   settle <score1> <score2> <score3> <score4>
// Cards are written in UTF-8; penalties are the seats' HandPenalty values.

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "opponent/CompactHand.h"
#include "opponent/HandKnowledge.h"
#include "opponent/SelfPlay.h"
#include "opponent/StrongOpponent.h"
#include "rules/Invariants.h"
#include "rules/Match.h"
#include "rules/Moves.h"

namespace quarn {
namespace {

struct Options {
    long long hands = 0;
    std::uint64_t seed = 0;
    bool seeded = false;
    bool trace = false;
    bool check = false;
    PerSeat<bool> strong{};
    int deals = kDefaultDeals; // per choice of a strong seat (--rollouts)
};

template <typename Number> std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Seat digits 1..4, each at most once.
std::optional<PerSeat<bool>> ParseSeats(std::string_view text) {
    PerSeat<bool> seats{};
    if (text.empty())
        return std::nullopt;
    for (const char c : text) {
        if (c < '1' || c > '4' || seats[c - '0'])
            return std::nullopt;
        seats[c - '0'] = true;
    }
    return seats;
}

std::optional<Options> ParseArguments(int argc, char **argv) {
    Options options;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--check") {
            options.check = true;
        } else if (arg == "--strong") {
            const auto seats = i + 1 < argc ? ParseSeats(argv[++i]) : std::nullopt;
            if (!seats)
                return std::nullopt;
            options.strong = *seats;
        } else if (arg == "--rollouts") {
            const auto deals = i + 1 < argc ? ParseNumber<int>(argv[++i]) : std::nullopt;
            if (!deals || *deals < 1)
                return std::nullopt;
            options.deals = *deals;
        } else if (positional == 0) {
            const auto hands = ParseNumber<long long>(arg);
            if (!hands || *hands < 1)
                return std::nullopt;
            options.hands = *hands;
            ++positional;
        } else if (positional == 1) {
            const auto seed = ParseNumber<std::uint64_t>(arg);
            if (!seed)
                return std::nullopt;
            options.seed = *seed;
            options.seeded = true;
            ++positional;
        } else {
            return std::nullopt;
        }
    }
    if (positional == 0)
        return std::nullopt;
    return options;
}

// Sum and sum of squares of each seat's points per hand; for a strong seat
// also of its gain over the standard chooser on the same deal.
struct SeatTally {
    long long score = 0;
    long long wins = 0;
    long long passes = 0;
    double sumSquares = 0;
    long long gain = 0;
    double gainSquares = 0;
};

// The mean of a sum over n samples and its standard error.
struct MeanAndError {
    double mean = 0;
    double error = 0;
};
MeanAndError MeanOf(double sum, double sumSquares, long long n) {
    const double mean = sum / n;
    const double variance = n > 1 ? (sumSquares - mean * mean * n) / (n - 1) : 0.0;
    return {mean, std::sqrt(std::max(variance, 0.0) / n)};
}

// Every seat's points when the standard chooser plays the whole deal: the
// measure against which a strong seat's gain is taken, deal by deal.
PerSeat<int> StandardResults(CompactHand hand) {
    PlayOutWithChooser(hand);
    PerSeat<int> results{};
    for (int seat = 1; seat <= kSeatCount; ++seat)
        results[seat] = hand.Result(seat);
    return results;
}

class SelfPlayRun {
  public:
    explicit SelfPlayRun(const Options &options) : options_(options) {
        const std::uint64_t seed = options.seed;
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            if (options.strong[seat]) {
                // The opponents draw from their own generators, so the deals
                // of a seed are the same with and without them.
                strong_[seat] = std::make_unique<StrongOpponent>(
                    seed ^ (0x5EA7'0000'0000'0000ull + static_cast<std::uint64_t>(seat)),
                    options.deals);
                strongSeats_ = true;
            }
        }
        game_.PlayerKind = kNewPlayer;
        NewMatch(game_, PlayerStanding{"Self", 0, 0, 0});
    }

    // One hand from the deal to the settlement; false with failure_ set when
    // a rule is broken.
    bool PlayHand(long long number, DeckRandom &random) {
        const Deck deck = ShuffleDeck(random);
        hand_ = CompactHand::DealtAndStarted(deck);
        knowledge_.Reset();
        if (strongSeats_)
            standardHand_ = StandardResults(hand_);
        if (options_.check && !MirrorDeal(deck))
            return false;
        if (options_.trace)
            TraceDeal(number);

        for (int moves = 0; hand_.InPlay(); ++moves) {
            if (moves == kHandMoveLimit)
                return Fail("the hand did not end");
            const int seat = hand_.toMove;
            const int bit = Choose(seat);
            if (!(bit < 0 ? PassFor(seat) : PlayFor(seat, bit)))
                return false;
            if (options_.check && !MirrorAgrees())
                return false;
        }
        return EndAndSettle();
    }

    const std::string &Failure() const { return failure_; }

    void Flush() {
        std::fwrite(out_.data(), 1, out_.size(), stdout);
        out_.clear();
    }

    void PrintSummary(long long hands, double seconds) {
        Flush();
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            std::printf("seat %d: score %lld, hands won %lld, passes %lld\n", seat,
                        tally_[seat].score, tally_[seat].wins, tally_[seat].passes);
        }
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            const MeanAndError average =
                MeanOf(static_cast<double>(tally_[seat].score), tally_[seat].sumSquares, hands);
            std::printf("average seat %d: %.4f points per hand, standard error %.4f%s\n", seat,
                        average.mean, average.error, options_.strong[seat] ? ", strong" : "");
        }
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            if (!options_.strong[seat])
                continue;
            const MeanAndError gain =
                MeanOf(static_cast<double>(tally_[seat].gain), tally_[seat].gainSquares, hands);
            std::printf("gain seat %d: %+.4f points per hand over the standard chooser, standard "
                        "error %.4f\n",
                        seat, gain.mean, gain.error);
        }
        std::printf("hands/s: %.0f\n", seconds > 0 ? hands / seconds : 0.0);
    }

  private:
    const Options &options_;
    PerSeat<std::unique_ptr<StrongOpponent>> strong_{};
    bool strongSeats_ = false;
    CompactHand hand_;
    PerSeat<int> standardHand_{}; // each seat's points with four standard seats
    HandKnowledge knowledge_;
    GameState game_; // the match's scores; with --check the mirror of the hand
    PerSeat<SeatTally> tally_{};
    std::string failure_;
    std::string out_;

    bool Fail(const std::string &what) {
        failure_ = what;
        return false;
    }

    int Choose(int seat) {
        if (strong_[seat])
            return strong_[seat]->ChooseCardBit(ViewOf(hand_, seat), knowledge_);
        return ChooseCardBit(hand_.held[seat], hand_.table, hand_.moveNumber);
    }

    bool PassFor(int seat) {
        if ((PlayableCards(hand_.table, hand_.moveNumber) & hand_.held[seat]) != 0)
            return Fail("a seat passed while holding a playable card");
        knowledge_.NotePass(hand_.table, hand_.moveNumber, seat);
        hand_.Pass();
        ++tally_[seat].passes;
        if (options_.check) {
            if (!HasNoPlay(game_, seat))
                return Fail("the game record holds a playable card for a seat that passed");
            if (!MoveSeat(game_, seat, 0, Announce::Yes))
                return Fail("Pass refused");
        }
        if (options_.trace)
            out_ += "pass " + std::to_string(seat) + ' ' + std::to_string(hand_.bank) + '\n';
        return true;
    }

    bool PlayFor(int seat, int bit) {
        const CardSet card = CardSet{1} << bit;
        if ((hand_.held[seat] & card) == 0 ||
            (PlayableCards(hand_.table, hand_.moveNumber) & card) == 0)
            return Fail("a seat chose a card it cannot play");
        const int slot = options_.trace || options_.check ? SlotOfBit(hand_.held[seat], bit) : 0;
        hand_.Play(bit);
        knowledge_.NotePlay(seat, bit);
        if (options_.check) {
            if (!MoveSeat(game_, seat, slot, Announce::Yes))
                return Fail("the rules refused the chosen card");
        }
        if (options_.trace) {
            out_ += "play " + std::to_string(seat) + ' ' + std::to_string(slot) + ' ' +
                    CardToUtf8(CardOfBit(bit)) + '\n';
        }
        return true;
    }

    bool MirrorDeal(const Deck &deck) {
        if (!NewHand(game_, deck) || !StartHand(game_))
            return Fail("the deal or the start was refused");
        return MirrorAgrees();
    }

    // With --check: the game record's invariants hold and it holds the same
    // hand as the twin.
    bool MirrorAgrees() {
        if (!failure_.empty())
            return false;
        if (auto broken = CheckInvariants(game_))
            return Fail(*broken);
        GameState twin = game_;
        hand_.CopyTo(twin);
        if (twin != game_)
            return Fail("the rule operations and the compact hand disagree");
        return true;
    }

    // The end of the hand written into the game record and checked once,
    // then the settlement.
    bool EndAndSettle() {
        const int winner = hand_.winner;
        if (!options_.check) {
            for (int seat = 1; seat <= kSeatCount; ++seat)
                game_.Score[seat] -= hand_.paid[seat] + (seat == winner ? 0 : hand_.CardsOf(seat));
            hand_.CopyTo(game_);
        }
        if (auto broken = CheckInvariants(game_))
            return Fail(*broken);
        if (game_.ToMove != kHandEnded)
            return Fail("the hand did not end");
        if (options_.trace) {
            out_ += "end " + std::to_string(winner);
            for (int seat = 1; seat <= kSeatCount; ++seat)
                out_ += ' ' + std::to_string(game_.HandPenalty[seat]);
            out_ += ' ' + std::to_string(game_.Bank) + '\n';
        }
        if (options_.check) {
            if (!SettleHand(game_))
                return Fail("SettleHand refused");
        } else {
            game_.Score[winner] += game_.Bank;
            game_.Bank = 0;
        }
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            const int points = hand_.Result(seat);
            tally_[seat].score += points;
            tally_[seat].sumSquares += static_cast<double>(points) * points;
            if (options_.strong[seat]) {
                const int gain = points - standardHand_[seat];
                tally_[seat].gain += gain;
                tally_[seat].gainSquares += static_cast<double>(gain) * gain;
            }
            if (tally_[seat].score != game_.Score[seat])
                return Fail("the scores do not follow the hands' results");
        }
        ++tally_[winner].wins;
        if (options_.trace) {
            out_ += "settle";
            for (int seat = 1; seat <= kSeatCount; ++seat)
                out_ += ' ' + std::to_string(game_.Score[seat]);
            out_ += '\n';
        }
        if (out_.size() > (1 << 16))
            Flush();
        return true;
    }

    void TraceDeal(long long number) {
        out_ += "hand " + std::to_string(number) + '\n';
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            out_ += "deal " + std::to_string(seat);
            for (CardSet rest = hand_.held[seat]; rest != 0; rest &= rest - 1)
                out_ += ' ' + CardToUtf8(CardOfBit(LowestBit(rest)));
            out_ += '\n';
        }
        out_ += "start " + std::to_string(hand_.bank) + '\n';
    }
};

int Run(Options options) {
    if (!options.seeded) {
        options.seed = static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    }
    DeckRandom random(options.seed);
    SelfPlayRun run(options);

    const auto begin = std::chrono::steady_clock::now();
    for (long long hand = 1; hand <= options.hands; ++hand) {
        if (!run.PlayHand(hand, random)) {
            run.Flush();
            std::fflush(stdout);
            std::fprintf(stderr, "quarn-selfplay: hand %lld: %s\n", hand, run.Failure().c_str());
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    run.PrintSummary(options.hands, seconds);
    return 0;
}

} // namespace
} // namespace quarn

int main(int argc, char **argv) {
    const auto options = quarn::ParseArguments(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: quarn-selfplay HANDS [SEED] [--trace] [--check] "
                             "[--strong SEATS] [--rollouts N]\n");
        return 2;
    }
    return quarn::Run(*options);
}
