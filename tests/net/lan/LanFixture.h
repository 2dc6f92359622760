#pragma once
// Helpers of the socket tests: a raw peer that sends and collects exact
// bytes over 127.0.0.1, a raw host that listens for one client, and a
// program (game state, sound log, club recorder and a session) that plays
// through the same rule operations as the window.

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "net/lan/LanClient.h"
#include "net/lan/LanHost.h"
#include "rules/GameState.h"
#include "rules/MatchRecorder.h"
#include "rules/SoundPlayer.h"

namespace quarn::lan::testing {

inline constexpr int kWaitMs = 10000;

// Waits (running the event loop) until the condition holds.
template <typename Condition> bool WaitUntil(Condition condition) {
    return QTest::qWaitFor(condition, kWaitMs);
}

inline std::string Bytes(const QByteArray &bytes) {
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

// One end of a connection driven by the test: sends exact bytes, collects
// everything that arrives.
class RawPeer {
  public:
    explicit RawPeer(QTcpSocket *socket = nullptr);
    ~RawPeer();
    bool Connect(quint16 port);
    void Send(std::string_view bytes);
    // Waits for at least n bytes and takes the first n of them.
    std::string Take(std::size_t n);
    const std::string &Received() const { return received_; }
    QTcpSocket &Socket() { return *socket_; }

  private:
    std::unique_ptr<QTcpSocket> owned_;
    QTcpSocket *socket_;
    std::string received_;
};

// A raw host listening on a free port, taking one client.
class RawHost {
  public:
    RawHost();
    quint16 Port() const { return server_.serverPort(); }
    // Waits for the client's connection.
    RawPeer &Accept();

  private:
    QTcpServer server_;
    std::unique_ptr<RawPeer> peer_;
};

class SoundLog : public SoundPlayer {
  public:
    void Play(std::string_view name, bool) override { played.emplace_back(name); }
    int Count(std::string_view name) const;
    std::vector<std::string> played;
};

// Writes the club line of a finished network match into its own network
// club file, as the main window does.
class NetClubRecorder : public MatchRecorder {
  public:
    explicit NetClubRecorder(std::filesystem::path folder) : folder_(std::move(folder)) {}
    void UpdateClub(const ClubUpdate &update) override;
    std::filesystem::path NetClubPath() const { return folder_ / "Quarn.net"; }
    std::vector<ClubUpdate> updates;

  private:
    std::filesystem::path folder_;
};

// One program of a network game.
struct Program {
    enum class Kind { Host, Client };
    // folder: where its network club file lies (may be empty when unused).
    Program(Kind kind, const std::filesystem::path &folder = {});
    // The outside world of the rule operations for this program's own moves.
    Outside Out() { return session->RuleOutside(); }
    LanHost &Host() { return static_cast<LanHost &>(*session); }
    LanClient &Client() { return static_cast<LanClient &>(*session); }

    GameState game;
    SoundLog sound;
    NetClubRecorder recorder;
    std::unique_ptr<LanSession> session;
};

// A seeded deck whose nine of diamonds lies in the block of the host seat,
// so that seat opens the hand.
Deck DeckOpenedBy(int hostSeat, std::uint64_t seed = 1);

// The slot of a card in a seat's hand; 0 when the seat does not hold it.
int SlotOfCard(const GameState &game, int seat, TStr2 card);

// A fresh network club file in the folder.
void WriteFreshNetClub(const std::filesystem::path &folder);

} // namespace quarn::lan::testing
