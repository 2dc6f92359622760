// The game-server connection against a raw server of the test: the
// announcement, the deal turned for the role, received game messages with
// the move clock following the turn, chat in its role's colour, the end of
// the table's game, a participant leaving or running out of time, the own
// time-out, the connection loss and the socket error.
#include "net/tour/TourConnection.h"

#include "../lan/LanFixture.h"
#include "lang/Language.h"
#include "net/lan/LanProtocol.h"
#include "opponent/Chooser.h"
#include "rules/Moves.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

namespace quarn::tour {
namespace {

using lan::testing::Bytes;
using lan::testing::RawHost;
using lan::testing::RawPeer;
using lan::testing::SoundLog;
using lan::testing::WaitUntil;

constexpr int kTable = 3;

Deck ServerDeck(std::uint64_t seed) {
    DeckRandom random(seed);
    return ShuffleDeck(random);
}

// A playable slot of the seat to move, 0 when it must pass.
int PlayableSlot(const GameState &game) {
    return ChooseCard(game.Hands[game.ToMove], game.Table, game.MoveNumber);
}

// One program's connection with the raw server at the other end.
class TourConnectionTest : public ::testing::Test {
  protected:
    void SetUp() override { setLanguage(0); }

    // Seated as `role` and connected; the server peer took the announcement.
    void Seat(int role) {
        connection_.SetServer(QStringLiteral("127.0.0.1"), host_.Port() - kTable);
        PlayerStanding standing;
        standing.name = "Me";
        standing.hands = 4;
        standing.score = 10;
        connection_.SetStanding(standing);
        connection_.SetRoleNames([] { return RoleNames{"", "Ann", "Bob", "Cid", "Dan"}; });
        connection_.Connect(kTable, role);
        server_ = &host_.Accept();
        ASSERT_EQ(server_->Take(kFrameLength), Frame("connect" + std::to_string(role), role));
        ASSERT_TRUE(WaitUntil([&] { return connection_.State() == kAnnounced; }));
    }
    void Deal(std::uint64_t seed = 11) {
        deck_ = ServerDeck(seed);
        server_->Send(lan::DealMessage(deck_));
        ASSERT_TRUE(WaitUntil([&] { return game_.InGame; }));
    }
    void Send(std::string_view payload, int role) { server_->Send(Frame(payload, role)); }
    // What the program sent after its announcement, as frames.
    std::vector<std::string> SentFrames() {
        QTest::qWait(0);
        std::vector<std::string> frames;
        const std::string &all = server_->Received();
        for (std::size_t at = 0; at + kFrameLength <= all.size(); at += kFrameLength)
            frames.push_back(all.substr(at, kFrameLength));
        return frames;
    }
    // The server passes on the move of the seat to move (not the own seat).
    void ServerMovesFor(int role) {
        const int slot = PlayableSlot(game_);
        const int moved = game_.MoveNumber;
        const auto before = game_.CardCount;
        if (slot == 0)
            Send("hpass0", role);
        else
            Send(MovePayload(slot), role);
        ASSERT_TRUE(WaitUntil([&] {
            return game_.MoveNumber != moved || game_.CardCount != before ||
                   game_.ToMove != RoleSeat(role);
        }));
    }
    int RoleSeat(int role) const { return LocalSeat(connection_.Role(), role); }

    GameState game_;
    SoundLog sound_;
    TourConnection connection_{game_, Outside{nullptr, &sound_, nullptr, nullptr}};
    RawHost host_;
    RawPeer *server_ = nullptr;
    Deck deck_{};
};

TEST_F(TourConnectionTest, DealTurnsTheTableForTheRoleAndStartsTheLeadersClock) {
    Seat(3);
    EXPECT_EQ(game_.HandNumber, 0);
    QSignalSpy arriving(&connection_, &TourConnection::dealArriving);
    Deal();
    ASSERT_EQ(arriving.count(), 1);
    EXPECT_TRUE(arriving[0][0].toBool());
    EXPECT_TRUE(game_.Tournament);
    EXPECT_EQ(game_.PlayerKind, kTournamentPlayer);
    // The own block (deck cards 10..18) at seat 4.
    for (int i = 1; i <= kCardsPerSeat; ++i)
        EXPECT_TRUE(HoldsCard(game_.Hands[4], deck_[9 + i].card));
    EXPECT_EQ(game_.SeatName[3], "Ann"); // the leader
    EXPECT_EQ(game_.SeatName[1], "Bob");
    EXPECT_EQ(game_.HandNumber, 5) << "the entry's hands and this one";
    EXPECT_EQ(connection_.TimerSeat(), 3);
    EXPECT_EQ(connection_.MoveClock(), kMoveSeconds);
    EXPECT_TRUE(connection_.ClockRunning());
}

TEST_F(TourConnectionTest, ReceivedGameMessagesMoveTheClockWithTheTurn) {
    Seat(2);
    Deal(21);
    Send("hbegin", 1);
    ASSERT_TRUE(WaitUntil([&] { return game_.Phase == kPhasePlaying; }));
    EXPECT_EQ(connection_.TimerSeat(), game_.ToMove);
    // Play until it is the own turn, the server passing on the others' moves.
    for (int guard = 0; guard < 40 && game_.HandInPlay() && game_.ToMove != kPlayerSeat; ++guard) {
        ServerMovesFor(RoleAtSeat(2, game_.ToMove));
        if (game_.HandInPlay()) {
            EXPECT_EQ(connection_.TimerSeat(), game_.ToMove);
        }
        EXPECT_EQ(connection_.MoveClock(), kMoveSeconds);
    }
    ASSERT_EQ(game_.ToMove, kPlayerSeat);
    // The own move goes out framed with the own role and hands the clock on.
    const int slot = PlayableSlot(game_);
    const TStr2 card = game_.Hands[kPlayerSeat][slot].card;
    ASSERT_TRUE(MoveSeat(game_, kPlayerSeat, slot, Announce::Yes, connection_.RuleOutside()));
    connection_.OwnMoveMade();
    EXPECT_EQ(connection_.TimerSeat(), game_.ToMove);
    ASSERT_TRUE(WaitUntil([&] { return SentFrames().size() == 1; }));
    EXPECT_EQ(SentFrames().back(),
              Frame(slot == 0 ? std::string("hpass0") : MovePayload(slot, card), 2));
}

// The deal the server gives a role: its own block (5 - role) and the nine of
// diamonds; every other card masked.
std::string MaskedDeal(const Deck &deck, int role) {
    std::string deal = lan::DealMessage(deck);
    for (int i = 1; i <= kDeckSize; ++i) {
        const bool own = (i - 1) / kCardsPerSeat == DeckBlockOfRole(role) - 1;
        if (own || deck[i].card == kOpeningCard)
            continue;
        deal.replace(std::size_t(2 * i - 1), 2, kUnknownCard.Bytes());
        deal[std::size_t(2 * kDeckSize + i)] = '0';
    }
    return deal;
}

// With only its own cards dealt, the program shows the others' hands as
// unknown and follows the hand by the cards the passed-on moves carry: its
// table, counts and scores stay those of the whole game, to the hand's end.
TEST_F(TourConnectionTest, AMaskedDealIsPlayedByTheCardsTheMovesCarry) {
    Seat(2);
    deck_ = ServerDeck(23);
    GameState truth; // the whole game, as the server keeps it, seen from seat 4 of role 2
    truth.Tournament = true;
    ASSERT_TRUE(NewHand(truth, LocalDeck(deck_, 2)));
    server_->Send(MaskedDeal(deck_, 2));
    ASSERT_TRUE(WaitUntil([&] { return game_.InGame; }));
    EXPECT_TRUE(game_.HandsUnknown);
    EXPECT_EQ(game_.Hands[kPlayerSeat], truth.Hands[kPlayerSeat]);
    EXPECT_EQ(game_.ToMove, truth.ToMove) << "the nine of diamonds shows who opens";
    Send("hbegin", 1);
    ASSERT_TRUE(StartHand(truth));
    ASSERT_TRUE(WaitUntil([&] { return game_.Phase == kPhasePlaying; }));
    bool triedOwnCard = false;
    for (int guard = 0; guard < 200 && truth.HandInPlay(); ++guard) {
        const int seat = truth.ToMove;
        const int slot = PlayableSlot(truth);
        const TStr2 card = slot ? truth.Hands[seat][slot].card : kEmptyCard;
        if (seat == kPlayerSeat) {
            ASSERT_TRUE(
                MoveSeat(game_, kPlayerSeat, slot, Announce::Yes, connection_.RuleOutside()));
        } else {
            if (!triedOwnCard && slot != 0 && game_.CardCount[kPlayerSeat] > 0) {
                // A move carrying a card of the own hand does not fit: dropped.
                triedOwnCard = true;
                Send(MovePayload(1, game_.Hands[kPlayerSeat][1].card), RoleAtSeat(2, seat));
                QTest::qWait(50);
                ASSERT_EQ(game_.ToMove, seat);
            }
            const int moved = game_.MoveNumber;
            const auto bank = game_.Bank;
            Send(slot == 0 ? std::string(kPass) : MovePayload(slot, card), RoleAtSeat(2, seat));
            ASSERT_TRUE(WaitUntil([&] { return game_.MoveNumber != moved || game_.Bank != bank; }));
        }
        ASSERT_TRUE(MoveSeat(truth, seat, slot, Announce::No));
        ASSERT_EQ(game_.Table, truth.Table) << guard;
        ASSERT_EQ(game_.CardCount, truth.CardCount) << guard;
        ASSERT_EQ(game_.Score, truth.Score) << guard;
    }
    EXPECT_TRUE(triedOwnCard);
    EXPECT_EQ(game_.ToMove, kHandEnded);
    EXPECT_EQ(HandWinner(game_), HandWinner(truth));
}

// Plays every effect that waits to its end in a nested event loop, as the
// window's sound does: timers run meanwhile, network messages wait.
class WaitingSound : public SoundPlayer {
  public:
    void Play(std::string_view, bool waitForEnd) override {
        if (!waitForEnd)
            return;
        QEventLoop loop;
        QTimer::singleShot(15, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    }
};

TEST(TourConnectionClock, OwnStartPlayAndPassHandTheClockOnWhileTheirSoundsWait) {
    setLanguage(0);
    RawHost host;
    GameState game;
    WaitingSound sound;
    TourConnection connection{game, Outside{nullptr, &sound, nullptr, nullptr}};
    connection.SetServer(QStringLiteral("127.0.0.1"), host.Port() - kTable);
    connection.Connect(kTable, kLeaderRole);
    RawPeer &server = host.Accept();
    ASSERT_TRUE(WaitUntil([&] { return connection.State() == kAnnounced; }));
    server.Send(lan::DealMessage(ServerDeck(12)));
    ASSERT_TRUE(WaitUntil([&] { return game.InGame; }));

    // What the window does after each own operation: its events run.
    const auto clockSeatAfter = [&](bool done) {
        EXPECT_TRUE(done);
        QTest::qWait(1);
        return connection.TimerSeat();
    };
    ASSERT_EQ(clockSeatAfter(StartHand(game, connection.RuleOutside())), game.ToMove);
    int ownMoves = 0;
    for (int guard = 0; guard < 400 && game.HandInPlay(); ++guard) {
        const int seat = game.ToMove;
        const int slot = PlayableSlot(game);
        if (seat != kPlayerSeat) {
            ASSERT_TRUE(MoveSeat(game, seat, slot, Announce::No, connection.RuleOutside()));
            continue;
        }
        const int timerSeat =
            clockSeatAfter(MoveSeat(game, seat, slot, Announce::Yes, connection.RuleOutside()));
        const int expected = game.ToMove == kHandEnded ? kPlayerSeat : game.ToMove;
        if (game.HandInPlay()) {
            EXPECT_NE(timerSeat, kPlayerSeat) << "own move " << ownMoves;
        }
        EXPECT_EQ(timerSeat, expected) << "own move " << ownMoves;
        EXPECT_EQ(connection.MoveClock(), kMoveSeconds);
        EXPECT_TRUE(connection.ClockRunning());
        ++ownMoves;
    }
    EXPECT_GT(ownMoves, 2);
}

TEST_F(TourConnectionTest, AMoveOutsideTheHandIsDropped) {
    Seat(1);
    Deal(5);
    ASSERT_TRUE(StartHand(game_, connection_.RuleOutside()));
    const GameState before = game_;
    if (game_.ToMove == kPlayerSeat)
        GTEST_SKIP() << "the deal gave the leader the nine";
    Send("hhod12", 3);
    Send("hhod00", 3);
    Send("shi", 3); // a marker read after both
    QSignalSpy chat(&connection_, &TourConnection::chatReceived);
    ASSERT_TRUE(chat.wait());
    EXPECT_EQ(game_, before);
}

TEST_F(TourConnectionTest, ChatFrameOfRoleThreeAndTwoFramesWithADealInOneRead) {
    Seat(4);
    QSignalSpy chat(&connection_, &TourConnection::chatReceived);
    deck_ = ServerDeck(3);
    server_->Send("sok" + std::string(46, '#') + "3" + Frame("shi", 1) + lan::DealMessage(deck_));
    ASSERT_TRUE(WaitUntil([&] { return game_.InGame; }));
    ASSERT_EQ(chat.count(), 2);
    EXPECT_EQ(chat[0][0].toInt(), 3);
    EXPECT_EQ(chat[0][1].toString(), QStringLiteral("ok"));
    EXPECT_EQ(chat[1][0].toInt(), 1);
    EXPECT_EQ(sound_.Count(kSoundSuccess), 2);
}

TEST_F(TourConnectionTest, OwnTimeOutSendsTOutOnceAndLoses) {
    Seat(1);
    Deal(8);
    ASSERT_EQ(connection_.TimerSeat(), kPlayerSeat) << "the leader has to start";
    QSignalSpy ended(&connection_, &TourConnection::gameEnded);
    for (int second = 0; second < kMoveSeconds + 5; ++second)
        connection_.TickClock();
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended[0][0].toString(), QStringLiteral("Your time is up!"));
    EXPECT_EQ(ended[0][1].toString(), QStringLiteral("You lose!"));
    EXPECT_EQ(connection_.State(), kGameOver);
    EXPECT_TRUE(game_.MayLeave);
    EXPECT_EQ(game_.ToMove, kHandSettled);
    EXPECT_FALSE(connection_.ClockRunning());
    EXPECT_EQ(sound_.Count(kSoundClock), kMoveSeconds - 1 - kHurrySeconds);
    EXPECT_EQ(sound_.Count(kSoundClockHurry), kHurrySeconds);
    EXPECT_EQ(sound_.Count(kSoundRefused), 1);
    EXPECT_EQ(server_->Take(kFrameLength), Frame("TOut", 1));
    QTest::qWait(20);
    EXPECT_TRUE(server_->Received().empty()) << "TOut goes out once";
}

TEST_F(TourConnectionTest, AnotherSeatsClockStopsAtZeroWithoutSound) {
    Seat(2);
    Deal(8);
    ASSERT_EQ(connection_.TimerSeat(), 2);
    for (int second = 0; second < kMoveSeconds + 3; ++second)
        connection_.TickClock();
    EXPECT_EQ(connection_.MoveClock(), 0);
    EXPECT_EQ(connection_.State(), kAnnounced);
    EXPECT_TRUE(sound_.played.empty() || sound_.Count(kSoundClock) == 0);
}

TEST_F(TourConnectionTest, ParticipantLeavingOrTimingOutEndsTheGameWon) {
    struct Case {
        std::string frame;
        std::string_view sound;
        const char *message;
    };
    const Case cases[] = {
        {Frame("aleft3", 0), kSoundRefused, "Player Cid interrupted the game!"},
        {Frame("TOut", 3), kSoundPlayerWon, "Player Cid time is up!"},
    };
    for (const Case &c : cases) {
        game_ = GameState{};
        sound_.played.clear();
        Seat(2);
        Deal(9);
        QSignalSpy ended(&connection_, &TourConnection::gameEnded);
        server_->Send(c.frame);
        ASSERT_TRUE(ended.wait()) << c.frame;
        EXPECT_EQ(ended[0][0].toString(), QString::fromLatin1(c.message));
        EXPECT_EQ(ended[0][1].toString(), QStringLiteral("You won!"));
        EXPECT_EQ(sound_.Count(c.sound), 1);
        EXPECT_EQ(connection_.State(), kGameOver);
        EXPECT_TRUE(game_.MayLeave);
        EXPECT_EQ(game_.ToMove, kHandSettled);
        EXPECT_EQ(connection_.TimerSeat(), 0);
        EXPECT_FALSE(connection_.Connected());
    }
}

TEST_F(TourConnectionTest, GameOverThenALeaverShowsNothing) {
    Seat(2);
    Deal(10);
    QSignalSpy over(&connection_, &TourConnection::gameOver);
    QSignalSpy ended(&connection_, &TourConnection::gameEnded);
    server_->Send(Frame("end", 0) + Frame("aleft1", 0));
    ASSERT_TRUE(over.wait());
    QTest::qWait(50);
    EXPECT_EQ(ended.count(), 0);
    EXPECT_EQ(connection_.State(), kGameOver);
    EXPECT_EQ(connection_.TimerSeat(), 0);
    EXPECT_TRUE(sound_.played.empty() || sound_.Count(kSoundRefused) == 0);
}

TEST_F(TourConnectionTest, LeaderSettlesWithHitogsAndTheScoresByRole) {
    Seat(1);
    Deal(12);
    ASSERT_TRUE(StartHand(game_, connection_.RuleOutside()));
    connection_.OwnMoveMade();
    // Play the whole hand here: the own seat announces, the others as if received.
    for (int guard = 0; guard < 400 && game_.HandInPlay(); ++guard) {
        const int seat = game_.ToMove;
        const int slot = PlayableSlot(game_);
        ASSERT_TRUE(MoveSeat(game_, seat, slot, seat == kPlayerSeat ? Announce::Yes : Announce::No,
                             connection_.RuleOutside()));
    }
    ASSERT_EQ(game_.ToMove, kHandEnded);
    connection_.OwnMoveMade();
    EXPECT_EQ(connection_.TimerSeat(), kPlayerSeat) << "the leader's clock runs for the settlement";
    ASSERT_TRUE(SettleHand(game_, connection_.RuleOutside()));
    EXPECT_EQ(connection_.TimerSeat(), 0);
    EXPECT_FALSE(connection_.ClockRunning());
    ASSERT_TRUE(WaitUntil([&] {
        const auto frames = SentFrames();
        return !frames.empty() && frames.back()[0] == 'o';
    }));
    const auto frames = SentFrames();
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames[0], Frame("hbegin", 1));
    EXPECT_EQ(frames[frames.size() - 2], Frame("hitogs", 1));
    EXPECT_EQ(frames.back(), Frame(ScoresPayload(ScoresByRole(game_.Score, 1)), 1));
    int sum = 0;
    for (int seat = 1; seat <= 4; ++seat)
        sum += game_.Score[seat];
    EXPECT_EQ(sum, 0);
}

TEST_F(TourConnectionTest, ConnectionLostDuringTheGame) {
    Seat(3);
    Deal(13);
    QSignalSpy ended(&connection_, &TourConnection::gameEnded);
    server_->Socket().disconnectFromHost();
    ASSERT_TRUE(ended.wait());
    EXPECT_EQ(ended[0][0].toString(), QStringLiteral("Lost connection with the server!"));
    EXPECT_EQ(connection_.State(), kGameOver);
    EXPECT_TRUE(game_.MayLeave);
    EXPECT_FALSE(connection_.ErrorFlag());
}

TEST_F(TourConnectionTest, ConnectionLostBeforeTheDealFlagsAnError) {
    Seat(2);
    QSignalSpy flagged(&connection_, &TourConnection::errorFlagged);
    QSignalSpy ended(&connection_, &TourConnection::gameEnded);
    server_->Socket().disconnectFromHost();
    ASSERT_TRUE(flagged.wait());
    EXPECT_TRUE(connection_.ErrorFlag());
    EXPECT_EQ(ended.count(), 0);
}

TEST(TourConnectionRefused, NobodyListeningFlagsAnError) {
    GameState game;
    TourConnection connection(game, Outside{});
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const int port = probe.serverPort();
    probe.close();
    connection.SetServer(QStringLiteral("127.0.0.1"), port - 1);
    QSignalSpy flagged(&connection, &TourConnection::errorFlagged);
    connection.Connect(1, 1);
    ASSERT_TRUE(flagged.wait());
    EXPECT_TRUE(connection.ErrorFlag());
    EXPECT_EQ(connection.State(), kConnecting);
    connection.ClearErrorFlag();
    EXPECT_FALSE(connection.ErrorFlag());
}

} // namespace
} // namespace quarn::tour
