#pragma once
// The network connection of the program (owned by the main window): the
// host or client session that the welcome window starts, with its signals
// passed on, so the window connects to one object for every network match.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>

#include "net/lan/LanSession.h"

namespace quarn::lan {

class LanClient;
class LanHost;
class NetworkSection;

class LanConnection : public QObject {
    Q_OBJECT
  public:
    // outside: the window's screen, sound and records (its announcer is
    // ignored; the session announces).
    LanConnection(GameState &game, const Outside &outside, QObject *parent = nullptr);

    LanSession *Session() const { return session_; }
    LanHost *Host() const;
    LanClient *Client() const;
    // The announcer of this program's own moves: the session, or none.
    Announcer *MoveAnnouncer() const { return session_; }

    // The network part of confirming the welcome window, after its name and
    // password checks: the section's address and port checks, then hosting
    // or joining and the waiting window. A problem is shown through
    // showError ("Incorrect IP-address!", "Incorrect Port!" also for a port
    // that cannot be opened) with the faulty box focused. True when the
    // waiting window closed with its start result: the game starts. A
    // client's messages after its seat wait until the window's match has
    // started (LanClient::Release).
    bool ConfirmStart(NetworkSection &section, const std::string &playerName, QWidget *parent,
                      const std::function<void(const QString &)> &showError);

    // Leaving a network match: the host stops listening, a client disconnects.
    void Close();

  signals:
    void chatReceived(int role, const QString &text);
    void gameMessageApplied();
    void seatMoved(int seat, int cardNumber);
    void gameInterrupted();
    void peerLost();

  private:
    void replaceSession(LanSession *session);

    GameState &game_;
    Outside outside_;
    QPointer<LanSession> session_;
};

} // namespace quarn::lan
