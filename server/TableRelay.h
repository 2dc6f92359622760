#pragma once
// The game server's rules for one tournament table, apart from the sockets.
// The server is the table's referee: it keeps its own game of the hand
// through the rules library, so what reaches the others and the standings is
// what the rules allow, not what a participant claims.
//
// Participants announce their role (1 to 4) with "connect" + digit. When all
// four are there, each gets the same deal: "b", the 36 card codes of one
// shuffled deck in code page 1251, then their 36 rank digits (109 bytes); the
// participant with role p takes deck block 5 - p. The server deals the same
// deck into its own game.
//
// The game's frames of one participant go to the other three unchanged, never
// back, when the rules allow them: "hbegin" (the leader, on the dealt hand),
// "hhod" + slot (the participant to move, a card that fits), "hpass0" (the
// participant to move, when no card fits), "hitogs" (the leader, once the hand
// has ended), chat "s" and "TOut". A move the rules refuse is dropped; the
// participant still owes its move. At "hitogs" the server settles the hand
// itself and its settlement goes into the standings; the leader's "o" scores
// that follow only end the game (every participant gets "e", the table is free
// again), and scores that disagree are noted and ignored.
//
// A participant's own "TOut" counts only from the role whose action the game
// awaits, and only once the server's own time of that action has nearly
// reached the programs' 26 seconds (kOwnTimeOutMs less kTimeOutSlackMs);
// any other is dropped. Chat frames go on at most one a second per role
// (kChatIntervalMs); the rest are dropped.
//
// The server runs a clock of its own for the awaited action (clockRanOut):
// a participant that does not act in time loses by time as if it had sent
// "TOut" (the others get "TOut" with its role, everyone "e"). A participant
// leaving during the game makes the others get "a" with the leaver's role as
// sixth character.
//
// Every message on the wire is a 50-byte frame (payload, "#" up to the 49th
// byte, the sender's role digit), except the deal.
#include "rules/GameState.h"

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

    // The programs' move clock, and how much sooner the server takes their
    // word that it ran out (clocks that started a little apart).
    static constexpr qint64 kOwnTimeOutMs = 26'000;
    static constexpr qint64 kTimeOutSlackMs = 2'000;
    static constexpr qint64 kChatIntervalMs = 1'000;

    // 72 bytes: 36 two-byte card codes in dealing order.
    using DeckSource = std::function<QByteArray()>;
    // Milliseconds of a steady clock.
    using Clock = std::function<qint64()>;

    struct Output {
        int role;
        QByteArray bytes;
    };
    struct Effects {
        QList<Output> sends;
        bool refused = false; // the joining connection is turned away
        bool dealt = false;   // the four are complete and dealt
        bool over = false;    // the game ended: close every connection, free the table
        std::optional<std::array<qint64, kRoles>> scores; // the server's settlement, by role
        std::optional<int> leftBeforeDeal;                // role that went away while waiting
        QList<QByteArray> notes; // frames dropped or claims ignored, and why, for the log
    };

    explicit TableRelay(DeckSource deck = shuffledDeck, Clock clock = steadyClock);

    Effects join(int role);
    Effects frame(int role, const QByteArray &frame);
    Effects leave(int role);
    // The server's clock for the awaited action ran out: during the hand the
    // awaited role loses by time; while the leader's settlement is awaited the
    // server sends "hitogs" itself, then "e"; after it the game just ends.
    Effects clockRanOut();

    bool playing() const { return playing_; }
    // The hand has ended and the server has settled it (the standings are
    // written); the leader's "hitogs" has not been passed on yet.
    bool awaitingSettlement() const { return playing_ && settled_ && !settlementPassed_; }
    bool joined(int role) const { return role >= 1 && role <= kRoles && present_[role - 1]; }
    // The role whose action the game waits for (the leader to start, the
    // participant to move, the leader to settle and send its scores); 0
    // while no game is on.
    int awaitedRole() const;
    // Goes up with every action the game waited for: the clock starts anew.
    int turn() const { return turn_; }
    // The server's own game of the hand; seats as role 4 sees the table.
    const quarn::GameState &game() const { return game_; }

    // The server's seat of a role and the role at a seat: the order of play
    // among the roles is 1, 3, 2, 4, so roles 2 and 3 trade places.
    static int seatOfRole(int role);
    static int roleAtSeat(int seat) { return seatOfRole(seat); }

    static QByteArray frameOf(const QByteArray &payload, char lastByte);
    static QByteArray dealMessage(const QByteArray &deck);
    // The deck as role `role` may see it: its own block (5 - role) and the
    // nine of diamonds (which opens the hand, so everyone sees who starts);
    // every other card is kUnknownCard.
    static QByteArray maskedDeck(const QByteArray &deck, int role);
    // A card nobody but its holder may see: its rank digit in the deal is "0".
    static constexpr const char *kUnknownCard = "??";
    // A fresh deck from the system's random source.
    static QByteArray shuffledDeck();
    static qint64 steadyClock();
    // The four scores of an "o" payload (five characters each), nothing when malformed.
    static std::optional<std::array<qint64, kRoles>> parseScores(const QByteArray &payload);
    // The role a "connect" frame announces, nothing when it is not one.
    static std::optional<int> connectRole(const QByteArray &frame);
    // The seat token a "connect" frame carries in its spare bytes (after the
    // role digit, up to the "#" fill); empty when it carries none.
    static QByteArray connectToken(const QByteArray &frame);

  private:
    // Deals the deck into the server's own game; false when it is not a whole deck.
    bool dealOwnGame(const QByteArray &deck);
    // Applies a game frame of the role when the rules allow it now.
    bool applyMove(int role, const QByteArray &frame);
    // A move as the others get it: "hhod", the slot and the card in it by
    // the server's own game (hands travel masked, so the others learn the
    // card from the move; the sender's claim of a card is not trusted).
    QByteArray relayedMove(int role, const QByteArray &frame) const;
    Effects scoresClaimed(int role, const QByteArray &payload);
    std::array<qint64, kRoles> settledScores() const;
    Effects endGame(Effects effects);
    // The hand has ended: the server settles it at once, into the effects' scores.
    void settle(Effects &effects);
    void toOthers(Effects &effects, int sender, const QByteArray &bytes) const;
    // The game moved on to the next awaited action: its time starts now.
    void nextTurn();
    bool timeOutAgreed(int role) const;
    bool chatAllowed(int role);

    DeckSource deck_;
    Clock clock_;
    qint64 turnStartedMs_ = 0;
    std::array<std::optional<qint64>, kRoles> lastChatMs_{};
    std::array<bool, kRoles> present_{};
    bool playing_ = false;
    bool settled_ = false;          // the server settled the hand (as it ended)
    bool settlementPassed_ = false; // the leader's "hitogs" went on, or the server's own
    int turn_ = 0;
    quarn::GameState game_;
};

} // namespace server
