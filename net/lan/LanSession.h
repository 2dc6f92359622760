#pragma once
// What the host and a client of a network game have in common: the game
// state they drive, the rule operations that apply received messages (with
// Announce::No), the joining state, chat and the end of a game
// when a peer is lost. Everything runs on the thread of the window's event
// loop; socket events never interleave with the game tick.

#include <QObject>
#include <QString>
#include <string>

#include "net/lan/LanReader.h"
#include "rules/Announcer.h"
#include "rules/GameState.h"
#include "rules/Outside.h"
#include "rules/SoundPlayer.h"

namespace quarn::lan {

// Joining state of a session.
enum JoiningState : int {
    kIdle = 0,    // not hosting nor joining
    kWaiting = 1, // listening, or connecting and waiting for a seat
    kJoined = 2,  // a client that received its seat
    kPlaying = 3, // the host after its first deal
};

inline constexpr std::string_view kSoundChat = kSoundSuccess;
inline constexpr std::string_view kSoundInterrupted = kSoundRefused;

class LanSession : public QObject, public Announcer {
    Q_OBJECT
  public:
    // outside: the screen, sound and records the rule operations talk to
    // when they apply a received message; its announcer is ignored (the
    // session announces the moves made here itself).
    LanSession(GameState &game, const Outside &outside, QObject *parent = nullptr);

    virtual bool IsHost() const = 0;
    int Joining() const { return joiningState_; }
    GameState &Game() { return game_; }
    // The outside world for this program's own moves: the given one with
    // this session as announcer.
    Outside RuleOutside();

    // Sends a chat line of the local person (UTF-8; cut to the chat line's
    // 15 characters). False when the text is empty.
    virtual bool SendChat(const QString &text) = 0;
    // The waiting window's "Cancel": the listening or connecting socket is
    // closed and the joining state returns to idle.
    virtual void Cancel() = 0;

  signals:
    // A chat line arrived (UTF-8 text, sender's role 1..4).
    void chatReceived(int role, const QString &text);
    // A received deal, start, move, pass or settlement was applied: the
    // window brings its buttons up to date.
    void gameMessageApplied();
    // A received move was applied: the seat's card (its number 1..36), or 0
    // for a pass. Whoever keeps an account of the hand notes it.
    void seatMoved(int seat, int cardNumber);
    // The game ended because a player left: InGame is cleared and the sound
    // played; the window shows "One of player has interrupted game!" and
    // returns to the menu.
    void gameInterrupted();
    // A connection was lost (at any time): the chat line is disabled.
    void peerLost();

  protected:
    // Applies a received game message to the seat that is to move. A move
    // whose slot is not within 1..CardCount, or whose card does not fit the
    // table, is dropped; a move that empties a hand ends it. True when the
    // game changed.
    bool ApplyMove(int slot);
    bool ApplyPass();
    // The match stops: InGame cleared, the sound of a wrong move played.
    void StopMatch();
    // The chat text as it goes on the wire: at most 15 characters in code
    // page 1251.
    static std::string ChatWireText(const QString &text);
    static QString ChatText(const std::string &wireText);

    GameState &game_;
    Outside outside_;
    int joiningState_ = kIdle;
};

} // namespace quarn::lan
