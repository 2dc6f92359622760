#include "opponent/MatchReplay.h"

#include "opponent/Chooser.h"
#include "rules/Match.h"
#include "rules/Moves.h"

#include <variant>

namespace quarn {
namespace {

// Turns of seat 4 in one hand: nine cards and, at most, one pass for every
// card the other seats play.
constexpr std::size_t kMaxTurnsPerHand = kCardsPerSeat + 3 * kCardsPerSeat + 1;
constexpr int kMaxTurnsPerReplayHand = 400;

std::uint64_t mixed(std::uint64_t x) {
    // splitmix64's finaliser: nearby seeds give unrelated decks.
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

int standardChoice(const GameState &game, int seat) {
    return ChooseCard(game.Hands[seat], game.Table, game.MoveNumber);
}

} // namespace

Deck SeededDeck(std::uint64_t matchSeed, int hand) {
    DeckRandom random(mixed(matchSeed ^ mixed(std::uint64_t(hand))));
    return ShuffleDeck(random);
}

std::uint64_t OpponentSeed(std::uint64_t matchSeed) {
    return mixed(matchSeed + 0x5EA7ull);
}

std::string EncodeMoves(const MatchMoves &moves) {
    std::string text;
    for (std::size_t h = 0; h < moves.size(); ++h) {
        if (h > 0)
            text += '.';
        for (const std::uint8_t slot : moves[h])
            text += char('0' + slot);
    }
    return text;
}

std::optional<MatchMoves> DecodeMoves(std::string_view text) {
    MatchMoves moves(1);
    for (const char c : text) {
        if (c == '.') {
            if (moves.back().empty() || moves.size() >= std::size_t(kMaxReplayHands))
                return std::nullopt;
            moves.emplace_back();
        } else if (c >= '0' && c <= '9') {
            if (moves.back().size() >= kMaxTurnsPerHand)
                return std::nullopt;
            moves.back().push_back(std::uint8_t(c - '0'));
        } else {
            return std::nullopt;
        }
    }
    if (moves.back().empty())
        return std::nullopt;
    return moves;
}

bool IsLegalMove(const GameState &game, int seat, int slot) {
    if (seat < 1 || seat > kSeatCount)
        return false;
    if (slot == 0)
        return HasNoPlay(game, seat);
    if (slot < 1 || slot > game.CardCount[seat] || slot > kHandSlots)
        return false;
    return IsPlayable(game, game.Hands[seat][slot].card);
}

void ComputerSeats::Setup(bool strong, std::uint64_t seed, int dealsPerChoice) {
    for (int seat = 1; seat < kPlayerSeat; ++seat) {
        if (strong)
            strong_[std::size_t(seat)].emplace(seed + std::uint64_t(seat), dealsPerChoice);
        else
            strong_[std::size_t(seat)].reset();
    }
}

int ComputerSeats::Choose(const GameState &game, int seat) {
    auto &strong = strong_[std::size_t(seat)];
    const int slot =
        strong ? int(strong->ChooseCard(game, knowledge_)) : standardChoice(game, seat);
    return IsLegalMove(game, seat, slot) ? slot : standardChoice(game, seat);
}

void ComputerSeats::Note(const GameState &game, int seat, TStr2 card) {
    if (card.IsEmpty())
        knowledge_.NotePass(game, seat);
    else
        knowledge_.NotePlay(seat, card);
}

namespace {

// Where a match of the player's moves stands: the game, the computer seats
// and the hand's moves.
struct MatchPlay {
    GameState game;
    ComputerSeats seats;

    MatchPlay(std::uint64_t matchSeed, bool strong, int dealsPerChoice) {
        game.PlayerKind = kAccountPlayer;
        NewMatch(game, PlayerStanding{});
        seats.Setup(strong, OpponentSeed(matchSeed), dealsPerChoice);
    }

    // Deals hand `hand` from the seed and plays it to its settlement; seat 4
    // moves by `playerMove` (a legal slot, or an error text). Empty on
    // success, else why the hand was not played.
    template <class PlayerMove>
    std::string playHand(std::uint64_t matchSeed, int hand, PlayerMove &&playerMove) {
        NewHand(game, SeededDeck(matchSeed, hand));
        seats.HandDealt();
        StartHand(game);
        for (int turn = 0; game.HandInPlay(); ++turn) {
            if (turn >= kMaxTurnsPerReplayHand)
                return "the hand does not end";
            const int seat = game.ToMove;
            int slot = 0;
            if (seat == kPlayerSeat) {
                const std::variant<int, std::string> move = playerMove(game);
                if (const auto *error = std::get_if<std::string>(&move))
                    return *error;
                slot = std::get<int>(move);
            } else {
                slot = seats.Choose(game, seat);
            }
            const TStr2 card = slot > 0 ? game.Hands[seat][slot].card : kEmptyCard;
            MoveSeat(game, seat, slot, Announce::No);
            seats.Note(game, seat, card);
        }
        SettleHand(game);
        return {};
    }
};

} // namespace

ReplayResult ReplayMatch(std::uint64_t matchSeed, bool strongOpponents, const MatchMoves &moves,
                         int dealsPerChoice) {
    ReplayResult result;
    if (moves.empty() || moves.size() > std::size_t(kMaxReplayHands)) {
        result.error = "no hands or too many";
        return result;
    }
    MatchPlay play(matchSeed, strongOpponents, dealsPerChoice);
    for (std::size_t h = 0; h < moves.size(); ++h) {
        const int scoreBefore = play.game.Score[kPlayerSeat];
        std::size_t next = 0;
        std::string error = play.playHand(
            matchSeed, int(h) + 1, [&](const GameState &game) -> std::variant<int, std::string> {
                if (next >= moves[h].size())
                    return std::string("the moves end before the hand");
                const int slot = moves[h][next++];
                if (!IsLegalMove(game, kPlayerSeat, slot))
                    return "move " + std::to_string(next) + " not legal";
                return slot;
            });
        if (error.empty() && next != moves[h].size())
            error = "moves left after the hand ended";
        if (!error.empty()) {
            result.error = "hand " + std::to_string(h + 1) + ": " + error;
            return result;
        }
        result.handScores.push_back(play.game.Score[kPlayerSeat] - scoreBefore);
    }
    result.ok = true;
    result.matchScore = play.game.Score[kPlayerSeat];
    return result;
}

MatchMoves ChooserPlayerMoves(std::uint64_t matchSeed, bool strongOpponents, int hands,
                              int dealsPerChoice) {
    MatchPlay play(matchSeed, strongOpponents, dealsPerChoice);
    MatchMoves moves;
    for (int h = 1; h <= hands; ++h) {
        moves.emplace_back();
        play.playHand(matchSeed, h, [&](const GameState &game) -> std::variant<int, std::string> {
            const int slot = standardChoice(game, kPlayerSeat);
            moves.back().push_back(std::uint8_t(slot));
            return slot;
        });
    }
    return moves;
}

} // namespace quarn
