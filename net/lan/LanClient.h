#pragma once
// A client of a network game: it connects to the host, asks for a seat with
// its hello, learns its role and the names, and then applies the host's
// deals, starts, moves, passes and settlements to its own game, seen turned
// so that its person sits at seat 4. The moves of its own person go to the
// host, which relays them to the other clients.

#include <QString>
#include <deque>
#include <string>

#include "net/lan/LanSession.h"

class QTcpSocket;

namespace quarn::lan {

class LanClient : public LanSession {
    Q_OBJECT
  public:
    LanClient(GameState &game, const Outside &outside, QObject *parent = nullptr);
    ~LanClient() override;

    bool IsHost() const override { return false; }

    // Connects to the host: NetRole 2, joining state waiting, the waiting
    // flag set. The hello (with the first four characters of playerName)
    // goes out as soon as the connection is made.
    void StartJoining(const QString &address, quint16 port, const std::string &playerName);

    // Set while no seat was given and after a connection error: the waiting
    // window then reads "There are no accessible games".
    bool Waiting() const { return waiting_; }
    // Joined, and the host has not dealt yet ("Expectation of the server...").
    bool AwaitingFirstDeal() const { return awaitingFirstDeal_; }
    bool Connected() const;

    // With hold set, the messages that follow the seat wait (in the socket
    // and in order) until Release: the window starts its match first, so the
    // host's first deal never comes before it.
    void HoldAfterJoining(bool hold) { holdAfterJoining_ = hold; }
    void Release();

    // "s" + role + text to the host.
    bool SendChat(const QString &text) override;
    void Cancel() override;

    // ---- Announcer: the moves of this program's person go to the host -----
    void AnnounceMove(int seat, int slot, TStr2 card) override;
    void AnnouncePass(int seat) override;
    // Leaving the match: the connection closes.
    void CloseConnection() override;

  signals:
    // The seat was given: role, names; the waiting and welcome windows close.
    void joined();
    // Another client joined: names and ClientsLess1 changed.
    void namesChanged();
    // The connection could not be made or broke before a seat was given.
    void connectionFailed();

  private:
    void sendHello();
    void readHost();
    void handle(const LanMessage &message);
    void takeAssignment(const LanMessage &message);
    void takeUpdate(const LanMessage &message);
    void takeDeal(const LanMessage &message);
    void connectionGone();
    // The game ends for this program because a player left.
    void endGame();
    void placeNames(const WireNames &names);
    void send(const std::string &message);
    void closeSocket();

    QTcpSocket *socket_ = nullptr;
    LanReader reader_{LanSide::Client};
    std::string ownWireName_;
    bool waiting_ = false;
    bool awaitingFirstDeal_ = false;
    bool reading_ = false;
    bool holdAfterJoining_ = false;
    bool holding_ = false;
    std::deque<LanMessage> queue_;
};

} // namespace quarn::lan
