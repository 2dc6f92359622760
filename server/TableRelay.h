#pragma once
// The game server's rules for one tournament table, apart from the sockets.
//
// Participants announce their role (1 to 4) with "connect" + digit. When all
// four are there, each gets the same deal: "b", the 36 card codes of one
// shuffled deck in code page 1251, then their 36 rank digits (109 bytes); the
// participant with role p takes deck block 5 - p. The game's frames of one
// participant ("hbegin", "hhod", "hpass0", "hitogs", chat "s", "TOut") go to
// the other three unchanged, never back. A participant leaving during the game
// makes the others get "a" with the leaver's role as sixth character. The
// leader's "o" scores (after its settlement) or a "TOut" end the game: every
// participant gets "e" and the table is free again.
//
// Every message on the wire is a 50-byte frame (payload, "#" up to the 49th
// byte, the sender's role digit), except the deal.
#include <QByteArray>
#include <QList>

#include <array>
#include <functional>
#include <optional>

namespace server {

class TableRelay {
  public:
    static constexpr int kFrameSize = 50;
    static constexpr int kDealSize = 109;
    static constexpr int kRoles = 4;

    // 72 bytes: 36 two-byte card codes in dealing order.
    using DeckSource = std::function<QByteArray()>;

    struct Output {
        int role;
        QByteArray bytes;
    };
    struct Effects {
        QList<Output> sends;
        bool refused = false; // the joining connection is turned away
        bool dealt = false;   // the four are complete and dealt
        bool over = false;    // the game ended: close every connection, free the table
        std::optional<std::array<qint64, kRoles>> scores; // the leader's scores, by role
        std::optional<int> leftBeforeDeal;                // role that went away while waiting
    };

    explicit TableRelay(DeckSource deck = shuffledDeck);

    Effects join(int role);
    Effects frame(int role, const QByteArray &frame);
    Effects leave(int role);

    bool playing() const { return playing_; }
    bool joined(int role) const { return role >= 1 && role <= kRoles && present_[role - 1]; }

    static QByteArray frameOf(const QByteArray &payload, char lastByte);
    static QByteArray dealMessage(const QByteArray &deck);
    // A fresh deck from the system's random source.
    static QByteArray shuffledDeck();
    // The four scores of an "o" payload (five characters each), nothing when malformed.
    static std::optional<std::array<qint64, kRoles>> parseScores(const QByteArray &payload);
    // The role a "connect" frame announces, nothing when it is not one.
    static std::optional<int> connectRole(const QByteArray &frame);

  private:
    Effects endGame(Effects effects);
    void toOthers(Effects &effects, int sender, const QByteArray &bytes) const;

    DeckSource deck_;
    std::array<bool, kRoles> present_{};
    bool playing_ = false;
};

} // namespace server
