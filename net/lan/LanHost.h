#pragma once
// The host of a network game: it listens for clients, gives each its seat
// and the names, deals, plays the computer seats through the window's tick,
// applies the moves and passes of its clients and relays every game message
// to the clients that did not make it.
//
// Host seats: 4 the host's person, 2 the first client (role 2), 1 the second
// client (role 3) or the computer, 3 the third client (role 4) or the
// computer.

#include <QHostAddress>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "net/lan/LanSession.h"
#include "rules/Deck.h"

class QTcpServer;
class QTcpSocket;

namespace quarn::lan {

class LanHost : public LanSession {
    Q_OBJECT
  public:
    LanHost(GameState &game, const Outside &outside, QObject *parent = nullptr);
    ~LanHost() override;

    bool IsHost() const override { return true; }

    // Opens the listening socket on the port (0: any free port) of every
    // address: NetRole 1, joining state waiting, ClientsLess1 -1, the seat
    // names the host's own (first four characters of playerName) and "PC  ".
    // False, with nothing changed, when the port cannot be opened.
    bool StartHosting(quint16 port, const std::string &playerName);
    // The port listened on; 0 when not listening.
    quint16 Port() const;
    bool Listening() const;
    // Clients that joined (ClientsLess1 + 1).
    int Clients() const { return static_cast<int>(clients_.size()); }

    // Deals a new hand here from a fresh shuffle (or the deck source) and
    // sends the deal to every client; the joining state becomes playing.
    bool Deal();
    // Where decks come from (tests replay seeded decks); none: a shuffle.
    void SetDeckSource(std::function<Deck()> source) { deckSource_ = std::move(source); }

    // "s1" + text to every joined client.
    bool SendChat(const QString &text) override;
    void Cancel() override;

    // Set when the host ended a game because a client left; the game tick
    // in the menu calls MenuTick, which clears it and stops listening.
    bool CloseListenerPending() const { return closeListener_; }
    void MenuTick();

    // ---- Announcer: the moves made here go to every client ----------------
    void AnnounceStart() override;
    void AnnounceMove(int seat, int slot, TStr2 card) override;
    void AnnouncePass(int seat) override;
    void AnnounceSettle(const std::array<std::int32_t, 5> &scores) override;
    // Leaving the match: the listening socket and the clients' connections close.
    void CloseConnection() override;

  signals:
    // A client joined; clients is the number joined now (1..3).
    void clientJoined(int clients);

  private:
    struct Peer {
        QPointer<QTcpSocket> socket;
        std::unique_ptr<LanReader> reader;
        int role = 0; // 0 until its hello was accepted
        bool lost = false;
    };

    void acceptConnections();
    void readPeer(Peer *peer);
    void peerGone(Peer *peer);
    void handleHello(Peer &peer, const LanMessage &message);
    void handleGameMessage(Peer &peer, const LanMessage &message);
    void handleChat(Peer &peer, const LanMessage &message);
    void interruptGame();
    void fillSeatNames();
    WireNames wireNames() const;
    // Sends a game message to every joined client but the one of originRole.
    void sendToClients(const std::string &message, int originRole);
    void send(QTcpSocket *socket, const std::string &message);
    void closeAll();

    QTcpServer *server_ = nullptr;
    std::vector<std::unique_ptr<Peer>> peers_; // every accepted connection
    std::vector<Peer *> clients_;              // joined, in the order of joining
    std::string ownWireName_;
    std::array<std::string, 5> clientNames_{}; // wire names by host seat
    std::function<Deck()> deckSource_;
    bool closeListener_ = false;
    bool clientLostBeforeDeal_ = false;
    bool reading_ = false;
};

} // namespace quarn::lan
