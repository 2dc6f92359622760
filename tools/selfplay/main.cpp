// quarn-selfplay HANDS [SEED] [--trace]
//
// Plays HANDS complete hands with four computer seats through the game's own
// operations, checks the game state after every operation, and prints per
// seat the total score, the hands won and the passes, then "hands/s: N".
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
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "opponent/Chooser.h"
#include "opponent/SelfPlay.h"
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
};

template <typename Number> std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<Options> ParseArguments(int argc, char **argv) {
    Options options;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--trace") {
            options.trace = true;
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

const char *EventName(HandEvent event) {
    switch (event) {
    case HandEvent::Dealt:
        return "deal";
    case HandEvent::Started:
        return "start";
    case HandEvent::Played:
        return "play";
    case HandEvent::Passed:
        return "pass";
    case HandEvent::Ended:
        return "end";
    case HandEvent::Settled:
        return "settle";
    }
    return "?";
}

// Checks every step, counts wins and passes, and writes the trace.
class Referee : public HandObserver {
  public:
    explicit Referee(bool trace) : trace_(trace) {}

    std::string failure;
    PerSeat<long long> wins{};
    PerSeat<long long> passes{};

    bool After(const GameState &game, const HandStep &step) override {
        if (trace_)
            Trace(game, step);
        if (auto broken = CheckInvariants(game))
            return Fail(step, *broken);
        if (step.event == HandEvent::Played && game.MoveNumber == 2 && step.card != kOpeningCard) {
            return Fail(step, "the first card is not the nine of diamonds");
        }
        if (step.event == HandEvent::Passed) {
            if (!HasNoPlay(game, step.seat))
                return Fail(step, "a seat passed while holding a playable card");
            ++passes[step.seat];
        }
        if (step.event == HandEvent::Settled) {
            if (game.Bank != 0)
                return Fail(step, "the bank is not empty after settlement");
            ++wins[step.seat];
        }
        return true;
    }

    void Flush() {
        std::fwrite(out_.data(), 1, out_.size(), stdout);
        out_.clear();
    }

  private:
    bool trace_;
    std::string out_;

    bool Fail(const HandStep &step, const std::string &what) {
        failure = std::string("after ") + EventName(step.event) + ": " + what;
        return false;
    }

    void Add(long long number) {
        out_ += ' ';
        out_ += std::to_string(number);
    }

    void Trace(const GameState &game, const HandStep &step) {
        switch (step.event) {
        case HandEvent::Dealt:
            out_ += "hand " + std::to_string(game.HandNumber) + '\n';
            for (int seat = 1; seat <= kSeatCount; ++seat) {
                out_ += "deal";
                Add(seat);
                for (int slot = 1; slot <= game.CardCount[seat]; ++slot) {
                    out_ += ' ' + CardToUtf8(game.Hands[seat][slot].card);
                }
                out_ += '\n';
            }
            break;
        case HandEvent::Started:
            out_ += "start";
            Add(game.Bank);
            out_ += '\n';
            break;
        case HandEvent::Played:
            out_ += "play";
            Add(step.seat);
            Add(step.slot);
            out_ += ' ' + CardToUtf8(step.card) + '\n';
            break;
        case HandEvent::Passed:
            out_ += "pass";
            Add(step.seat);
            Add(game.Bank);
            out_ += '\n';
            break;
        case HandEvent::Ended:
            out_ += "end";
            Add(step.seat);
            for (int seat = 1; seat <= kSeatCount; ++seat)
                Add(game.HandPenalty[seat]);
            Add(game.Bank);
            out_ += '\n';
            break;
        case HandEvent::Settled:
            out_ += "settle";
            for (int seat = 1; seat <= kSeatCount; ++seat)
                Add(game.Score[seat]);
            out_ += '\n';
            break;
        }
        if (out_.size() > (1 << 16))
            Flush();
    }
};

int Run(const Options &options) {
    DeckRandom random(
        options.seeded ? options.seed
                       : static_cast<std::uint64_t>(
                             std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    GameState game;
    game.PlayerKind = kNewPlayer;
    NewMatch(game, PlayerStanding{"Self", 0, 0, 0});
    Referee referee(options.trace);

    const auto begin = std::chrono::steady_clock::now();
    for (long long hand = 1; hand <= options.hands; ++hand) {
        const HandResult result = PlaySelfHand(game, random, &referee);
        if (!referee.failure.empty() || !result.completed) {
            referee.Flush();
            std::fflush(stdout);
            const std::string why = !referee.failure.empty() ? referee.failure
                                    : result.stalled         ? "the hand did not end"
                                                             : "an operation was refused";
            std::fprintf(stderr, "quarn-selfplay: hand %lld: %s\n", hand, why.c_str());
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    referee.Flush();
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        std::printf("seat %d: score %d, hands won %lld, passes %lld\n", seat, game.Score[seat],
                    referee.wins[seat], referee.passes[seat]);
    }
    const double perSecond = seconds > 0 ? options.hands / seconds : 0.0;
    std::printf("hands/s: %.0f\n", perSecond);
    return 0;
}

} // namespace
} // namespace quarn

int main(int argc, char **argv) {
    const auto options = quarn::ParseArguments(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: quarn-selfplay HANDS [SEED] [--trace]\n");
        return 2;
    }
    return quarn::Run(*options);
}
