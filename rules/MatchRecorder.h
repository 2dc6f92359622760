#pragma once
// Where the results of a match go when the player leaves it: the online
// account, the club file, the history, the statistics service and the
// windows that follow a match. The main window implements it with the store
// and web code; every method does nothing (or fails) by default.

#include <cstdint>
#include <optional>
#include <string>

namespace quarn {

struct GameState;

// Kind of match as written to the history.
enum class MatchKind : std::uint8_t { Local = 0, Account = 1, Tournament = 2, Network = 3 };

// One history entry of a finished match.
struct HistoryEntry {
    std::string name; // UTF-8; several seat names joined by "/"
    std::int32_t hands = 0;
    std::int32_t result = 0;
    double rating = 0.0;
    MatchKind kind = MatchKind::Local;
};

// The player's new club line. The store keeps the old line's last field.
struct ClubLine {
    std::string name; // PlayerName, padded to 20 characters
    double rating = 0.0;
    std::int32_t hands = 0; // HandNumber
    std::int32_t total = 0; // PlayerTotal
};

struct ClubUpdate {
    bool networkClub = false; // the network club file instead of the local one
    int oldLine = 0;          // 1..5: the line replaced; 0: a new player's line
    ClubLine line;
};

// The statistics of a match for the web service.
struct MatchStatistics {
    MatchKind kind = MatchKind::Local;
    std::int32_t hands = 0;      // local: hands of the match; network: the block length 3
    bool cycleComplete = false;  // local: HandNumber is a multiple of 30
    std::int32_t pointsWon = 0;  // local: PlayerScore when positive
    std::int32_t pointsLost = 0; // local: -PlayerScore when negative
};

// What the account service answers when an account game's record is updated.
struct AccountUpdate {
    double rating = 0.0;        // the account's new rating
    bool cycleComplete = false; // the account record shows a completed cycle
};

class MatchRecorder {
  public:
    virtual ~MatchRecorder() = default;

    // An account game's record is updated on the server; nothing on failure.
    virtual std::optional<AccountUpdate> UpdateAccountGame(const GameState & /*game*/) {
        return std::nullopt;
    }
    virtual void WriteHistory(const HistoryEntry & /*entry*/) {}
    virtual void SendStatistics(const MatchStatistics & /*stats*/) {}
    virtual void UpdateClub(const ClubUpdate & /*update*/) {}
    // A club member abandoned a match: the line is removed.
    virtual void RemoveClubLine(bool /*networkClub*/, int /*line*/) {}
    virtual void ShowEndOfGame(bool /*networkClub*/) {}
    virtual void SubmitWorldTopTen(std::int32_t /*score*/) {}
    // A completed account cycle goes to the world rating; false on failure.
    virtual bool SubmitAccountResult(const GameState & /*game*/) { return false; }
    // "Unable to write the result of the game!" "Repeat?"; true for yes.
    virtual bool AskRetrySubmission() { return false; }
};

} // namespace quarn
