#pragma once
// The program's connection to the tournament's game server (one instance,
// owned by the main window): the seat taken at a table, the 50-character
// frames both ways, the received deal, starts, moves, passes and
// settlements applied to the one game state, chat, the 26-second move clock
// with its sounds, the own time-out, the end of the table's game, a
// participant leaving or running out of time, the connection loss and the
// socket error. Everything runs on the window's thread.
//
// The game's own operations (StartHand, PlayCard, Pass, SettleHand) announce
// through this object: the leader sends "hbegin", "hitogs" and the "o"
// scores; every participant sends its own moves.

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "net/tour/TourProtocol.h"
#include "net/tour/TourReader.h"
#include "rules/Announcer.h"
#include "rules/GameState.h"
#include "rules/Match.h"
#include "rules/Outside.h"

class QTcpSocket;
class QTimer;

namespace quarn::tour {

enum TourState : int {
    kNoSeat = 0,     // no seat
    kConnecting = 1, // seat taken, connecting
    kAnnounced = 2,  // connected, "connect" sent
    kGameOver = 10,  // ended, aborted, time out or connection lost
};

inline constexpr int kMoveSeconds = 26;
// The last seconds of the own clock sound "STimerB" instead of "STimerA".
inline constexpr int kHurrySeconds = 7;
inline constexpr std::string_view kSoundClock = "STimerA";
inline constexpr std::string_view kSoundClockHurry = "STimerB";

// Names of the participants by role 1..4 (index 0 unused), UTF-8.
using RoleNames = std::array<std::string, kRoleCount + 1>;

class TourConnection : public QObject, public Announcer {
    Q_OBJECT
  public:
    // outside: the screen, sound and records the rule operations talk to;
    // its announcer is replaced by this connection.
    TourConnection(GameState &game, const Outside &outside, QObject *parent = nullptr);
    ~TourConnection() override;

    // The game server from the lobby: table 1's address and its port less one.
    void SetServer(const QString &address, int basePort);
    QString ServerAddress() const { return address_; }
    int BasePort() const { return basePort_; }
    // The standing the first deal starts the match with (the own entry).
    void SetStanding(const PlayerStanding &standing) { standing_ = standing; }
    // The own tournament entry's standing (the game information shows it).
    const PlayerStanding &Standing() const { return standing_; }
    // Asked at every deal for the nicks of the four roles.
    void SetRoleNames(std::function<RoleNames()> names) { roleNames_ = std::move(names); }

    // Connect (table t, role d): state 1, a TCP connection to base port + t;
    // "connect" carries the seat token the lobby issued for the seat.
    void Connect(int table, int role, const std::string &seatToken = {});
    // The lobby's leave command: "disA", the connection closed, state 0.
    void LeaveSeat();
    // Leaving the match (the connection closes and the clock stops).
    void CloseConnection() override;
    // Back to no seat after the game is over (the lobby opens again).
    void Forget();

    int State() const { return state_; }
    int Role() const { return role_; }
    int Table() const { return table_; }
    bool Connected() const;
    // Outside the rules' operations that apply what the server sent, with
    // this connection announcing.
    Outside RuleOutside();

    // ---- Move clock -----------------------------------------------------------
    int MoveClock() const { return clock_; }
    // The local seat whose time runs; 0 when no timer number is shown.
    int TimerSeat() const { return timerSeat_; }
    bool ClockRunning() const;
    // After this program's own start, play or pass: the clock restarts at
    // 26 for the seat then to move (the leader's seat once the hand ended).
    // The rule operation calls it once it has applied the move in full.
    void OwnMoveMade();
    // One second of the clock (the timer calls it; tests call it directly).
    void TickClock();

    // ---- Chat -----------------------------------------------------------------
    // "s" + text (UTF-8, cut to 15 characters); false when empty or not connected.
    bool SendChat(const QString &text);

    // A socket error was swallowed; the lobby's error timer clears it.
    bool ErrorFlag() const { return errorFlag_; }
    void ClearErrorFlag() { errorFlag_ = false; }

    // ---- Announcer ------------------------------------------------------------
    void AnnounceStart() override;
    void AnnounceMove(int seat, int slot, TStr2 card) override;
    void AnnouncePass(int seat) override;
    void OwnMoveApplied() override { OwnMoveMade(); }
    void AnnounceSettle(const std::array<std::int32_t, 5> &scores) override;

  signals:
    void chatReceived(int role, const QString &text);
    // A deal is about to be applied; firstDeal when the match begins with it
    // (the lobby closes, the window shows the table).
    void dealArriving(bool firstDeal);
    // A received deal, start, move, pass or settlement was applied.
    void gameMessageApplied();
    // A received move: the seat's card (its number 1..36), or 0 for a pass.
    void seatMoved(int seat, int cardNumber);
    // The clock's number or seat changed, or the timer displays were cleared.
    void clockChanged();
    // The chat line is disabled (the game ended or the connection is gone).
    void chatClosed();
    // The game ended with a message window: a participant left or ran out of
    // time, the own time ran out, or the connection was lost. The command
    // button is disabled and the leave button enabled with "Exit to menu".
    void gameEnded(const QString &message, const QString &line);
    // "e": the table's game is over; the leave button is enabled.
    void gameOver();
    // A socket error was swallowed and the flag set.
    void errorFlagged();

  private:
    void connected();
    void readServer();
    void handle(const TourMessage &message);
    void takeDeal(const Deck &serverDeck);
    // The slot of a received move: by the card it carries (brought into the
    // seat's hand first when that hand holds stand-ins), else by its slot.
    int slotOfMove(int seat, const TourMessage &move);
    void applied(bool changed);
    void participantLeft(int role);
    void participantTimedOut(int role);
    void ownTimeOut();
    // The game stops for this program: state 10, MayLeave, the clock
    // stopped, the connection closed, ToMove 6; then the message window.
    void endWithMessage(const QString &message, const QString &line);
    void socketError();
    void socketGone();
    void stopClock();
    void startClockAt(int seat);
    void restartClockForTurn();
    void holdClockForOwnMove();
    void send(std::string_view payload);
    void closeSocket();
    QString nameOfRole(int role) const;

    GameState &game_;
    Outside outside_;
    QTcpSocket *socket_ = nullptr;
    QTimer *clockTimer_ = nullptr;
    TourReader reader_;
    bool reading_ = false;

    QString address_ = QStringLiteral("127.0.0.1");
    int basePort_ = 0;
    PlayerStanding standing_;
    std::function<RoleNames()> roleNames_;
    RoleNames names_{};

    int state_ = kNoSeat;
    int role_ = 0;
    int table_ = 0;
    std::string seatToken_;
    int clock_ = 0;
    int timerSeat_ = 0;
    bool errorFlag_ = false;
};

} // namespace quarn::tour
