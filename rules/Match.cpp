#include "rules/Match.h"

#include <algorithm>
#include <cmath>

#include "rules/Moves.h"

namespace quarn {
namespace {

constexpr std::string_view kComputerSeatName = "PC";
constexpr std::size_t kTournamentHistoryNameLength = 51;

bool IsClubLine(int kind) {
    return kind >= 1 && kind <= 5;
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte length of the first `characters` UTF-8 characters of the text.
std::size_t PrefixBytes(std::string_view text, std::size_t characters) {
    std::size_t bytes = 0;
    std::size_t seen = 0;
    while (bytes < text.size()) {
        if (!IsUtf8Continuation(text[bytes])) {
            if (seen == characters)
                break;
            ++seen;
        }
        ++bytes;
    }
    return bytes;
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        count += IsUtf8Continuation(c) ? 0 : 1;
    return count;
}

// The per-hand reset and what follows the placing of the cards.
void BeginHand(GameState &game, const SeatHands &hands, const Outside &out) {
    game.HandNumber += 1;
    game.MatchHands += 1;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        game.Hands[seat] = hands[seat];
        game.CardCount[seat] = static_cast<std::uint8_t>(SortHand(game.Hands[seat]));
    }
    game.Phase = kPhaseDealt;
    game.MoveNumber = 1;
    game.Bank = 0;
    game.HandPaid.fill(0);
    game.HandPenalty.fill(0);
    game.Table = GameState::EmptyTable();
    game.ToMove = static_cast<std::uint8_t>(OpeningSeat(game.Hands));
    game.InGame = true;
    if (game.IsLocalGame()) {
        game.NetRole = kLocalRole;
        for (int seat = 1; seat < kSeatCount; ++seat)
            game.SeatName[seat] = std::string(kComputerSeatName);
        game.SeatName[kPlayerSeat] = TrimTrailingBlanks(game.PlayerName);
    }
    out.View().HandDealt();
}

// Four hands that hold the 36 cards once each, nine to a seat.
bool IsCompleteDeal(const SeatHands &hands) {
    std::array<bool, kDeckSize + 1> seen{};
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        int count = 0;
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            const TStr2 card = hands[seat][slot].card;
            if (card.IsEmpty())
                continue;
            const int number = CardNumber(card);
            if (number == 0 || seen[number])
                return false;
            seen[number] = true;
            ++count;
        }
        if (count != kCardsPerSeat)
            return false;
    }
    return true;
}

MatchKind KindOf(const GameState &game) {
    if (game.Tournament)
        return MatchKind::Tournament;
    if (game.Network)
        return MatchKind::Network;
    if (game.IsAccountGame())
        return MatchKind::Account;
    return MatchKind::Local;
}

void SendMatchStatistics(const GameState &game, std::int32_t matchScore, std::int32_t matchHands,
                         const Outside &out) {
    MatchStatistics stats;
    stats.kind = KindOf(game);
    switch (stats.kind) {
    case MatchKind::Local:
    case MatchKind::Account: // an account game is a match against the computer too
        stats.hands = matchHands;
        stats.cycleComplete = game.CycleComplete();
        stats.pointsWon = matchScore > 0 ? matchScore : 0;
        stats.pointsLost = matchScore < 0 ? -matchScore : 0;
        break;
    case MatchKind::Network:
        if (game.NetRole != kHostRole)
            return;
        stats.hands = kNetworkBlock;
        break;
    case MatchKind::Tournament:
        stats.hands = matchHands;
        break;
    }
    out.Recorder().SendStatistics(stats);
}

} // namespace

std::string PadName(std::string_view name, int length) {
    const std::size_t wanted = length > 0 ? static_cast<std::size_t>(length) : 0;
    std::string padded{name.substr(0, PrefixBytes(name, wanted))};
    padded.append(wanted - CharacterCount(padded), ' ');
    return padded;
}

std::string TrimTrailingBlanks(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return std::string{end == std::string_view::npos ? std::string_view{}
                                                     : text.substr(0, end + 1)};
}

void NewMatch(GameState &game, const PlayerStanding &standing) {
    game.Score.fill(0);
    game.MayLeave = false;
    game.HandsOpen = false;
    game.HandsUnknown = false;
    game.MatchHands = 0;
    game.PlayerScore = 0;
    game.PlayerTotal = 0;
    LoadStanding(game, standing);
}

void LoadStanding(GameState &game, const PlayerStanding &standing) {
    const int kind = game.PlayerKind;
    if (IsClubLine(kind)) {
        game.PlayerName = PadName(standing.name);
        game.RatingAtStart = standing.rating;
        game.HandNumber = standing.hands;
        game.ScoreAtStart = standing.score;
        game.PlayerTotal = game.ScoreAtStart;
    } else if (kind == kAccountPlayer) {
        const bool played = standing.hands > 0;
        game.HandNumber = played ? standing.hands : 0;
        game.ScoreAtStart = played ? standing.score : 0;
        game.RatingAtStart = played ? standing.rating : 0.0;
        game.PlayerTotal = game.ScoreAtStart;
        game.PlayerName = PadName(standing.name);
    } else if (kind == kTournamentPlayer) {
        game.HandNumber = standing.hands;
        game.PlayerTotal = standing.score;
        // The score is refreshed as ScoreAtStart + PlayerScore, so the entry's
        // score must stand there too, or the first stake would lose it.
        game.ScoreAtStart = standing.score;
        game.RatingAtStart = standing.rating;
        game.PlayerScore = 0;
        game.PlayerName = PadName(standing.name);
    } else {
        // A new player (and any unknown kind): no record yet.
        game.HandNumber = 0;
        game.ScoreAtStart = 0;
        game.RatingAtStart = 0.0;
        if (!standing.name.empty())
            game.PlayerName = PadName(standing.name);
    }
}

void NewHand(GameState &game, const Outside &out) {
    const Deck deck = ShuffleDeck();
    NewHand(game, deck, out);
}

bool NewHand(GameState &game, const Deck &deck, const Outside &out) {
    if (!IsCompleteDeck(deck))
        return false;
    SeatHands hands{};
    PerSeat<std::uint8_t> counts{};
    DealHands(deck, hands, counts);
    BeginHand(game, hands, out);
    return true;
}

bool NewHand(GameState &game, const SeatHands &hands, const Outside &out) {
    if (!IsCompleteDeal(hands))
        return false;
    BeginHand(game, hands, out);
    return true;
}

int HandWinner(const GameState &game) {
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (game.CardCount[seat] == 0)
            return seat;
    }
    return 0;
}

bool EndHand(GameState &game, const Outside &out) {
    const int winner = HandWinner(game);
    if (winner == 0 || !game.HandInPlay())
        return false;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (seat == winner)
            continue;
        const int left = game.CardCount[seat] * kPenaltyPerCard;
        game.HandPenalty[seat] = -left;
        game.Score[seat] -= left;
        game.Bank += left;
    }
    RefreshPlayerScore(game);

    TableView &view = out.View();
    view.RedrawBank();
    view.RedrawTabs(0);
    out.Sound().Play(winner == kPlayerSeat ? kSoundPlayerWon : kSoundComputerWon, false);
    view.SetCommandLabel(CommandLabel::TotalOfGame);
    game.ToMove = kHandEnded;
    for (int seat = 1; seat < kSeatCount; ++seat)
        view.RedrawHand(seat, !game.HandsUnknown);
    return true;
}

bool PlayCardAndEndHand(GameState &game, int seat, int slot, Announce announce,
                        const Outside &out) {
    if (!PlayCard(game, seat, slot, announce, out))
        return false;
    if (game.CardCount[seat] == 0)
        EndHand(game, out);
    return true;
}

bool MoveSeat(GameState &game, int seat, int slot, Announce announce, const Outside &out) {
    const bool moved = slot == 0 ? Pass(game, seat, announce, Advance::Yes, out)
                                 : PlayCardAndEndHand(game, seat, slot, announce, out);
    if (moved && announce == Announce::Yes && (game.Network || game.Tournament))
        out.Announce().OwnMoveApplied();
    return moved;
}

bool SettleHand(GameState &game, const Outside &out) {
    const int winner = HandWinner(game);
    if (winner == 0 || game.Phase != kPhasePlaying || game.ToMove != kHandEnded)
        return false;
    game.Score[winner] += game.Bank;
    RefreshPlayerScore(game);
    game.Bank = 0;
    game.HandPaid.fill(0);
    game.HandPenalty.fill(0);

    TableView &view = out.View();
    view.RedrawBank();
    view.RedrawTabs(0);
    out.Sound().Play(kSoundSettled, false);
    if ((game.Network && game.NetRole == kHostRole) || game.Tournament)
        out.Announce().AnnounceSettle(game.Score);
    view.SetCommandLabel(CommandLabel::NextGame);
    game.MayLeave = game.Tournament || !game.Network || game.HandNumber % kNetworkBlock == 0;
    game.ToMove = kHandSettled;
    view.CompleteFilm();
    return true;
}

double ComputeRating(std::int32_t handNumber, std::int32_t matchScore, double ratingAtStart,
                     std::int32_t handsAtStart) {
    double rating = ratingAtStart;
    if (handNumber > 0) {
        // Scaling the numerator before the division keeps exact halves exact.
        const double total = static_cast<double>(handsAtStart) * ratingAtStart + matchScore;
        rating = std::nearbyint(total * 1'000'000.0 / handNumber) / 1'000'000.0;
    }
    if (std::isnan(rating))
        return 0.0;
    return std::clamp(rating, -kRatingLimit, kRatingLimit);
}

std::string HistoryName(const GameState &game) {
    if (!game.Network && !game.Tournament)
        return TrimTrailingBlanks(game.PlayerName);
    std::string name;
    for (int seat = kSeatCount; seat >= 1; --seat) {
        if (seat != kSeatCount)
            name += '/';
        name += TrimTrailingBlanks(game.SeatName[seat]);
    }
    if (game.Tournament)
        name.resize(PrefixBytes(name, kTournamentHistoryNameLength));
    return name;
}

bool EndMatch(GameState &game, std::int32_t matchScore, std::int32_t matchHands,
              const Outside &out) {
    if (!game.MayLeave)
        return false;
    TableView &view = out.View();
    MatchRecorder &recorder = out.Recorder();
    const MatchKind kind = KindOf(game);
    const bool localOrNetwork = kind == MatchKind::Local || kind == MatchKind::Network;

    view.HideTable();
    view.ShowWaitBanner();
    std::optional<AccountUpdate> account;
    if (kind == MatchKind::Account)
        account = recorder.UpdateAccountGame(game);
    if (kind == MatchKind::Account) {
        // Without the server's answer the account keeps its old rating.
        game.Rating = account ? account->rating : game.RatingAtStart;
    } else if (kind == MatchKind::Tournament) {
        game.Rating = game.RatingAtStart;
    } else {
        game.Rating = ComputeRating(game.HandNumber, matchScore, game.RatingAtStart,
                                    game.HandNumber - matchHands);
    }
    view.HideWaitBanner();

    const ClubLine line{game.PlayerName, game.Rating, game.HandNumber, game.PlayerTotal};
    recorder.WriteHistory(
        HistoryEntry{HistoryName(game), matchHands, matchScore, game.Rating, kind});
    SendMatchStatistics(game, matchScore, matchHands, out);

    if (!game.CycleComplete()) {
        if (matchScore > 0)
            out.Sound().Play(kSoundMatchWon, false);
        if (matchScore < 0)
            out.Sound().Play(kSoundMatchLost, false);
    }
    if (localOrNetwork) {
        const int oldLine = IsClubLine(game.PlayerKind) ? game.PlayerKind : 0;
        recorder.UpdateClub(ClubUpdate{game.Network, oldLine, line});
    }
    if (game.Network)
        out.Announce().CloseConnection();
    if (game.CycleComplete() && localOrNetwork) {
        recorder.ShowEndOfGame(game.Network);
        if (kind == MatchKind::Local)
            recorder.SubmitWorldTopTen(game.PlayerTotal);
    }
    if (account && account->cycleComplete) {
        bool submitted = recorder.SubmitAccountResult(game);
        while (!submitted && recorder.AskRetrySubmission())
            submitted = recorder.SubmitAccountResult(game);
        // A result given up has no place to show.
        if (submitted)
            recorder.ShowEndOfGame(false);
    }
    game.InGame = false;
    view.ReturnToMenu(kind == MatchKind::Account);
    return true;
}

void AbandonMatch(GameState &game, const Outside &out) {
    const bool clubMatch = !game.Tournament && !game.IsAccountGame();
    if (clubMatch && IsClubLine(game.PlayerKind))
        out.Recorder().RemoveClubLine(game.Network, game.PlayerKind);
    game.InGame = false;
}

} // namespace quarn
