// The tournament lobby over HTTP and the game server over raw TCP: seats and
// the sessions they need, the deal, the server refereeing the hand, its
// settlement in the standings, its clock, and leavers.
#include "ServiceFixture.h"

#include "rules/Match.h"
#include "rules/Moves.h"

#include <chrono>
#include <map>
#include <thread>

using namespace servertest;

namespace {

const char *const kNicks[] = {"Ann", "Bob", "Cid", "Dan"};

// A hand as the program at role 4 holds it, kept with the rules library: the
// server deals role p deck block 5 - p, and role 4 sees the roles 1, 3, 2, 4
// at its seats 1 to 4.
class HandModel {
  public:
    explicit HandModel(const QByteArray &deal) {
        constexpr int kBlockAtSeat[5] = {0, 4, 2, 3, 1};
        quarn::Deck deck;
        for (int seat = 1; seat <= 4; ++seat)
            for (int i = 0; i < 9; ++i) {
                const int from = (kBlockAtSeat[seat] - 1) * 9 + i;
                deck[size_t((seat - 1) * 9 + i + 1)] = {
                    quarn::TStr2{deal[1 + 2 * from], deal[2 + 2 * from]},
                    std::uint8_t(deal[73 + from] - '0')};
            }
        game.Tournament = true;
        valid = quarn::NewHand(game, deck);
    }
    static int roleAt(int seat) { return seat == 2 ? 3 : seat == 3 ? 2 : seat; }
    static int seatOf(int role) { return roleAt(role); }
    int roleToMove() const { return roleAt(game.ToMove); }
    // The mover's first card that fits, or a pass; applied to the model.
    QByteArray nextMove() {
        const int seat = game.ToMove;
        for (int slot = 1; slot <= game.CardCount[seat]; ++slot)
            if (quarn::IsPlayable(game, game.Hands[seat][slot].card)) {
                const QByteArray card =
                    QByteArray::fromStdString(game.Hands[seat][slot].card.Bytes());
                quarn::MoveSeat(game, seat, slot, quarn::Announce::No);
                // As the others get it: the slot and its card.
                return "hhod" + QByteArray::number(slot).rightJustified(2, '0') + card;
            }
        quarn::MoveSeat(game, seat, 0, quarn::Announce::No);
        return "hpass0";
    }
    // A slot whose card does not fit now; 0 when every card fits.
    int unplayableSlot() const {
        const int seat = game.ToMove;
        for (int slot = 1; slot <= game.CardCount[seat]; ++slot)
            if (!quarn::IsPlayable(game, game.Hands[seat][slot].card))
                return slot;
        return 0;
    }
    qint64 scoreOf(int role) const { return game.Score[seatOf(role)]; }

    quarn::GameState game;
    bool valid = false;
};

class Tournament : public ServiceTest {
  protected:
    // The program of an account: its own HTTP client, logged in (the session cookie).
    HttpClient &player(const std::string &nick) {
        auto &slot = players[nick];
        if (!slot) {
            EXPECT_EQ(acc(registerBody(nick)).body, "$ok$");
            slot = std::make_unique<HttpClient>(server->baseUrl());
            EXPECT_EQ(slot->post("/acc.php", "nick=" + nick + "&pw=secret1&label0=0").status, 200);
        }
        return *slot;
    }
    std::string seatChange(HttpClient &who, int table, int seat, int action,
                           const std::string &nick, const std::string &form = "client4on") {
        return who.post("/tour.php", seatChangeBody(table, seat, action, nick, form)).body;
    }
    std::string seatAt(int table, int seat) {
        const std::string record =
            tour("readclient" + std::to_string(seat) + "=0&gid=46&num=" + std::to_string(table))
                .body;
        return record.substr(1, record.find(' ') - 1);
    }
    // Four accounts at the table, each from its own session; their programs
    // connected with their roles; each has received the same deal.
    void seatAndConnect(int table) {
        std::string tokens[4];
        for (int s = 0; s < 4; ++s) {
            const std::string reply = seatChange(player(kNicks[s]), table, s + 1, 1, kNicks[s]);
            ASSERT_TRUE(seatTaken(reply)) << reply;
            tokens[s] = seatToken(reply);
        }
        for (int role = 1; role <= 4; ++role) {
            clients.push_back(std::make_unique<GameClient>(quint16(server->gameBase() + table)));
            ASSERT_TRUE(clients.back()->connected());
            clients.back()->send(connectFrame(role, tokens[role - 1]));
        }
        // Each gets its own block (5 - role) and the nine of diamonds; the
        // rest is masked. The four own blocks make the hand's deck.
        deal = QByteArray(109, '?');
        deal[0] = 'b';
        const QByteArray nine = QByteArray::fromStdString(quarn::kOpeningCard.Bytes());
        for (int role = 1; role <= 4; ++role) {
            const QByteArray got = of(role).receive(109);
            ASSERT_EQ(got.size(), 109);
            EXPECT_EQ(got[0], 'b');
            for (int i = 0; i < 36; ++i) {
                const QByteArray code = got.mid(1 + 2 * i, 2);
                if (i / 9 == 4 - role) {
                    deal.replace(1 + 2 * i, 2, code);
                    deal[73 + i] = got[73 + i];
                } else if (code != nine) {
                    EXPECT_EQ(code + got[73 + i], "??0") << "role " << role << " sees " << i;
                }
            }
        }
        model = std::make_unique<HandModel>(deal);
        ASSERT_TRUE(model->valid);
    }
    GameClient &of(int role) { return *clients[size_t(role - 1)]; }
    // A frame of the role, and the other three get it as their next frame.
    void sendRelayed(int role, const QByteArray &payload) {
        const QByteArray f = frame(payload, char('0' + role));
        of(role).send(f);
        for (int other = 1; other <= 4; ++other) {
            if (other != role) {
                ASSERT_EQ(of(other).receive(50), f) << payload.constData() << " at " << other;
            }
        }
    }
    // The leader's start (unless already given), then the legal moves of the
    // participants to move, as many as asked or until the hand has ended.
    void startAndPlay(int moves = 1000, bool start = true) {
        if (start) {
            sendRelayed(1, "hbegin");
            ASSERT_TRUE(quarn::StartHand(model->game));
        }
        for (int i = 0; i < moves && model->game.HandInPlay() && !HasFatalFailure(); ++i) {
            const int role = model->roleToMove();
            sendRelayed(role, model->nextMove());
        }
    }
    std::string standing(int role) {
        return tour("readrating46=0&nick=" + std::string(kNicks[role - 1])).body;
    }
    // Every participant gets "e" and is closed; the table is free again.
    void expectEnd() {
        for (int role = 1; role <= 4; ++role) {
            EXPECT_EQ(of(role).receive(50).left(1), "e") << role;
            EXPECT_TRUE(of(role).closedByServer()) << role;
        }
    }

    std::map<std::string, std::unique_ptr<HttpClient>> players;
    std::vector<std::unique_ptr<GameClient>> clients;
    QByteArray deal;
    std::unique_ptr<HandModel> model;
};
INSTANTIATE_ON_BOTH_BACKENDS(Tournament);

// The same with the server's move clock short.
class TournamentClock : public Tournament {
  protected:
    void SetUp() override {
        adjust = [](server::ServerOptions &options) { options.moveDeadlineMs = 300; };
        Tournament::SetUp();
    }
};
INSTANTIATE_ON_BOTH_BACKENDS(TournamentClock);

std::vector<std::string> split(const std::string &text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

TEST_P(Tournament, TheTableListHasTenTablesOfThirtyEightFields) {
    const std::string list = tour("readtable410=&gid=46").body;
    std::vector<std::string> records = split(list, '*');
    ASSERT_EQ(records.size(), 11u);
    EXPECT_EQ(records.back(), "");
    for (int t = 1; t <= 10; ++t) {
        const std::string &record = records[size_t(t - 1)];
        ASSERT_EQ(record[0], '$');
        const auto fields = split(record.substr(1), ' ');
        ASSERT_EQ(fields.size(), 38u) << record;
        EXPECT_EQ(fields[0], std::to_string(t));
        EXPECT_EQ(fields[1], "127.0.0.1");
        EXPECT_EQ(fields[2],
                  std::to_string(server->gameBase() + t)); // table 1's port minus 1 is the base
        EXPECT_EQ(std::vector<std::string>(fields.begin() + 6, fields.begin() + 14),
                  (std::vector<std::string>{"X", "0", "0", "0", "X", "X", "X", "X"}));
    }
    EXPECT_EQ(tour("serverinforead=0&gid=46").body, "$Y Welcome_to_the_Quarn_online_tournament!$");
    EXPECT_EQ(tour("readtable410=&gid=47").status, 400);
}

TEST_P(Tournament, SeatsAreTakenInOrderByMembersOnly) {
    HttpClient &ann = player("Ann");
    HttpClient &bob = player("Bob");
    EXPECT_EQ(seatChange(ann, 3, 2, 1, "Ann"), "$is$"); // seat 1 is free
    const std::string annSeat = seatChange(ann, 3, 1, 1, "Ann");
    EXPECT_TRUE(seatTaken(annSeat)) << annSeat;
    EXPECT_EQ(seatChange(ann, 3, 2, 1, "Ann"), "$is$"); // one seat per nick
    const std::string bobSeat = seatChange(bob, 3, 2, 1, "Bob");
    EXPECT_TRUE(seatTaken(bobSeat)) << bobSeat;
    EXPECT_NE(seatToken(annSeat), seatToken(bobSeat)); // every seat its own token
    EXPECT_EQ(tour("readclient1=0&gid=46&num=3").body, "$Ann 0 0 0 1-001 Moscow M 127.0.0.1$");
    EXPECT_EQ(tour("readclient3=0&gid=46&num=3").body, "$X 0 0 0 X X X X$");
    EXPECT_EQ(seatChange(ann, 11, 1, 1, "Ann").substr(0, 4), "$no$");
    // Giving up seat 2, then freeing seat 1.
    EXPECT_EQ(seatChange(bob, 3, 2, 2, ""), "$ok$");
    EXPECT_EQ(seatChange(ann, 3, 1, 0, ""), "$ok$");
    EXPECT_EQ(seatAt(3, 1), "X");
}

TEST_P(Tournament, ASeatChangesOnlyFromTheSessionOfItsAccountOrOfAParticipantAtTheTable) {
    HttpClient anonymous(server->baseUrl());
    HttpClient &ann = player("Ann");
    HttpClient &bob = player("Bob");
    HttpClient &cid = player("Cid");
    struct Step {
        const char *what;
        HttpClient *who;
        int seat, action;
        const char *nick;
        const char *form;
        bool taken; // "ok"; otherwise the program's refusal "is"
    };
    const Step steps[] = {
        {"a take without a session", &anonymous, 1, 1, "Ann", "client4on", false},
        {"a take from another account's session", &bob, 1, 1, "Ann", "client4on", false},
        {"a take from the nick's own session", &ann, 1, 1, "Ann", "client4on", true},
        {"the second seat, by its own session", &bob, 2, 1, "Bob", "client4on", true},
        {"giving up without a session", &anonymous, 1, 2, "", "client4on", false},
        {"freeing without a session, server-off form", &anonymous, 2, 0, "", "client3on", false},
        {"freeing by an account not at the table", &cid, 2, 0, "", "client4on", false},
        {"freeing the seat before one's own", &bob, 1, 0, "", "client4on", false},
        {"freeing a seat after one's own", &ann, 2, 0, "", "client4on", true},
        {"the second seat again", &bob, 2, 1, "Bob", "client4on", true},
        {"giving up one's own seat, server-off form", &bob, 2, 0, "", "client3on", true},
        {"the second seat once more", &bob, 2, 1, "Bob", "client4on", true},
        {"giving up seat 1 frees the seats after it", &ann, 1, 2, "", "client4on", true},
        {"the program's following request for seat 2 finds it free", &ann, 2, 0, "", "client4on",
         true},
    };
    for (const Step &s : steps) {
        const std::string reply = seatChange(*s.who, 3, s.seat, s.action, s.nick, s.form);
        if (s.taken && s.action == 1)
            EXPECT_TRUE(seatTaken(reply)) << s.what << ": " << reply;
        else if (s.taken)
            EXPECT_EQ(reply, "$ok$") << s.what;
        else
            EXPECT_EQ(reply.substr(0, 4), "$is$") << s.what << ": " << reply;
        EXPECT_EQ(reply.find("ok") == std::string::npos, !s.taken) << s.what;
        if (std::string(s.what) == "freeing the seat before one's own") {
            EXPECT_EQ(seatAt(3, 1), "Ann");
            EXPECT_EQ(seatAt(3, 2), "Bob");
        }
    }
    EXPECT_EQ(seatAt(3, 1), "X");
    EXPECT_EQ(seatAt(3, 2), "X");
}

TEST_P(Tournament, AWholeHandIsSettledByTheServerIntoTheStandings) {
    seatAndConnect(2);
    // While the game is on, seats cannot change.
    EXPECT_EQ(seatChange(player("Dan"), 2, 4, 2, "").substr(0, 4), "$is$");
    sendRelayed(3, "sHi");
    startAndPlay();
    ASSERT_EQ(model->game.ToMove, quarn::kHandEnded);
    sendRelayed(1, "hitogs");
    ASSERT_TRUE(quarn::SettleHand(model->game));
    QByteArray scores("o");
    for (int role = 1; role <= 4; ++role)
        scores += QByteArray::number(model->scoreOf(role)).rightJustified(5, ' ');
    of(1).send(frame(scores, '1'));
    expectEnd();
    EXPECT_EQ(seatAt(2, 1), "X");
    qint64 sum = 0, best = -1000;
    int winner = 0;
    for (int role = 1; role <= 4; ++role) {
        const qint64 score = model->scoreOf(role);
        EXPECT_EQ(standing(role),
                  "$" + std::to_string(score) + " 1 " + std::to_string(score * 100) + "$")
            << role;
        sum += score;
        if (score > best) {
            best = score;
            winner = role;
        }
    }
    EXPECT_EQ(sum, 0);
    EXPECT_GT(best, 0);
    EXPECT_EQ(tour("readrating46=0&nick=Eve").body, "$0 0 0$");
    const std::string top = tour("top10s46=0&nick=z").body;
    EXPECT_EQ(top.substr(0, top.find('*') + 1), "$1 " + std::string(kNicks[winner - 1]) +
                                                    " Moscow 1-001 M " + std::to_string(best) +
                                                    "*");
    EXPECT_EQ(std::count(top.begin(), top.end(), '*'), 10);
    EXPECT_NE(top.find("$5 # # # # 0*"), std::string::npos);
    EXPECT_EQ(tour("placek46=0&kon1=1").body, "$1$");
}

TEST_P(Tournament, ForgedScoresChangeNothing) {
    seatAndConnect(5);
    const QByteArray forged = frame("o  100  -50  -25  -25", '1');
    startAndPlay(4);
    // Scores in the middle of the hand: ignored, the hand goes on.
    of(1).send(forged);
    of(2).send(frame("o  -25  100  -50  -25", '2'));
    startAndPlay(1000, false);
    sendRelayed(1, "hitogs");
    ASSERT_TRUE(quarn::SettleHand(model->game));
    // Scores after the settlement that disagree with it: the game ends, the standings are the
    // server's settlement.
    of(1).send(forged);
    expectEnd();
    for (int role = 1; role <= 4; ++role)
        EXPECT_EQ(standing(role), "$" + std::to_string(model->scoreOf(role)) + " 1 " +
                                      std::to_string(model->scoreOf(role) * 100) + "$")
            << role;
}

TEST_P(Tournament, AnIllegalMoveIsNotRelayed) {
    seatAndConnect(6);
    startAndPlay(0);
    for (int step = 0; step < 3; ++step) {
        const int mover = model->roleToMove();
        const int other = mover % 4 + 1;
        // A card out of turn, then a card that does not fit: the others' next frame is the
        // mover's legal move.
        of(other).send(frame("hhod01", char('0' + other)));
        if (const int slot = model->unplayableSlot())
            of(mover).send(
                frame("hhod" + QByteArray::number(slot).rightJustified(2, '0'), char('0' + mover)));
        sendRelayed(mover, model->nextMove());
    }
}

TEST_P(TournamentClock, AParticipantWhoseMoveWasDroppedRunsOutOfTime) {
    seatAndConnect(7);
    // The leader's card before the start is no move: its time to start runs out.
    of(1).send(frame("hhod01", '1'));
    for (int role = 2; role <= 4; ++role)
        EXPECT_EQ(of(role).receive(50), frame("TOut", '1')) << role;
    expectEnd();
    for (int role = 1; role <= 4; ++role)
        EXPECT_EQ(standing(role), "$0 0 0$");
    EXPECT_EQ(seatAt(7, 1), "X");
}

// The server settles the hand as soon as a seat goes out: the standings are
// written at once, so a leader who lost cannot hold them back by keeping
// "hitogs" or by leaving.
TEST_P(Tournament, TheHandIsSettledIntoTheStandingsAsItEnds) {
    seatAndConnect(3);
    startAndPlay();
    ASSERT_EQ(model->game.ToMove, quarn::kHandEnded);
    ASSERT_TRUE(quarn::SettleHand(model->game));
    const auto settled = [&] {
        for (int role = 1; role <= 4; ++role)
            if (standing(role) != "$" + std::to_string(model->scoreOf(role)) + " 1 " +
                                      std::to_string(model->scoreOf(role) * 100) + "$")
                return false;
        return true;
    };
    for (int i = 0; i < 100 && !settled(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(settled()) << "written before any \"hitogs\"";
    clients[0].reset(); // the leader leaves instead of settling
    for (int r : {2, 3, 4})
        EXPECT_EQ(of(r).receive(50).left(1), "a") << r;
    EXPECT_TRUE(settled()) << "kept when the leader leaves";
}

TEST_P(TournamentClock, ALeaderWhoKeepsTheSettlementBackHasTheServerSendIt) {
    seatAndConnect(8);
    startAndPlay();
    ASSERT_EQ(model->game.ToMove, quarn::kHandEnded);
    ASSERT_TRUE(quarn::SettleHand(model->game));
    // The leader stays silent: everyone gets the server's "hitogs", then "e".
    for (int role = 1; role <= 4; ++role)
        EXPECT_EQ(of(role).receive(50), frame("hitogs", '0')) << role;
    expectEnd();
    for (int role = 1; role <= 4; ++role)
        EXPECT_EQ(standing(role), "$" + std::to_string(model->scoreOf(role)) + " 1 " +
                                      std::to_string(model->scoreOf(role) * 100) + "$")
            << role;
    EXPECT_EQ(seatAt(8, 1), "X");
}

TEST_P(Tournament, AParticipantLeavingMidHandEndsTheGameForTheOthers) {
    seatAndConnect(4);
    startAndPlay(3);
    clients[2].reset(); // role 3 goes away
    for (int r : {1, 2, 4}) {
        const QByteArray got = of(r).receive(50);
        ASSERT_EQ(got.size(), 50) << r;
        EXPECT_EQ(got[0], 'a');
        EXPECT_EQ(got[5], '3');
        EXPECT_TRUE(of(r).closedByServer());
    }
    EXPECT_EQ(seatAt(4, 1), "X");
    EXPECT_EQ(standing(1), "$0 0 0$");
}

TEST_P(Tournament, StrangersFreeSeatsAndDuplicateRolesAreTurnedAway) {
    GameClient garbage(quint16(server->gameBase() + 1));
    garbage.send(QByteArray(50, 'z'));
    EXPECT_TRUE(garbage.closedByServer());
    GameClient noSeat(quint16(server->gameBase() + 1));
    noSeat.send(connectFrame(1, std::string(32, '0')));
    EXPECT_TRUE(noSeat.closedByServer());
    const std::string token = seatToken(seatNewAccount(server->baseUrl(), "Ann", 1, 1));
    ASSERT_FALSE(token.empty());
    GameClient first(quint16(server->gameBase() + 1));
    first.send(connectFrame(1, token));
    GameClient twin(quint16(server->gameBase() + 1));
    twin.send(connectFrame(1, token));
    EXPECT_TRUE(twin.closedByServer());
    EXPECT_FALSE(first.closedByServer(300));
}

// A program that races for a seat someone else took is turned away: the game
// server admits a role only with the token the lobby gave the seat's holder.
// The holder's own program, connecting after the racers, gets the role.
TEST_P(Tournament, ASeatRaceWithoutTheSeatsTokenIsRefused) {
    HttpClient &ann = player("Ann");
    const std::string annReply = seatChange(ann, 3, 1, 1, "Ann");
    ASSERT_TRUE(seatTaken(annReply)) << annReply;
    const std::string annToken = seatToken(annReply);
    // The racer holds a seat of its own at another table: its token proves that seat only.
    const std::string racerToken = seatToken(seatChange(player("Bob"), 4, 1, 1, "Bob"));
    ASSERT_FALSE(racerToken.empty());
    std::string wrong = annToken;
    wrong.back() = wrong.back() == '0' ? '1' : '0';
    const struct {
        const char *what;
        QByteArray connect;
    } races[] = {
        {"no token (the frame as before)", frame("connect1", '1')},
        {"a token one digit off", connectFrame(1, wrong)},
        {"the token cut short", connectFrame(1, annToken.substr(0, 31))},
        {"the token of another seat", connectFrame(1, racerToken)},
        {"the right token for another role", connectFrame(2, annToken)},
        {"the token with more after it", connectFrame(1, annToken + "0")},
    };
    for (const auto &race : races) {
        GameClient racer(quint16(server->gameBase() + 3));
        racer.send(race.connect);
        EXPECT_TRUE(racer.closedByServer()) << race.what;
    }
    GameClient honest(quint16(server->gameBase() + 3));
    honest.send(connectFrame(1, annToken));
    EXPECT_FALSE(honest.closedByServer(300));
    // Taken again, the seat has a new token: the old one no longer admits anybody.
    ASSERT_EQ(seatChange(ann, 3, 1, 2, ""), "$ok$");
    EXPECT_TRUE(honest.closedByServer());
    const std::string again = seatChange(ann, 3, 1, 1, "Ann");
    ASSERT_TRUE(seatTaken(again)) << again;
    EXPECT_NE(seatToken(again), annToken);
    GameClient replay(quint16(server->gameBase() + 3));
    replay.send(connectFrame(1, annToken));
    EXPECT_TRUE(replay.closedByServer());
    GameClient fresh(quint16(server->gameBase() + 3));
    fresh.send(connectFrame(1, seatToken(again)));
    EXPECT_FALSE(fresh.closedByServer(300));
}

TEST_P(Tournament, AConnectionForASeatThatChangedHandsGivesWayToItsNewHolder) {
    HttpClient &ann = player("Ann");
    const std::string annToken = seatToken(seatChange(ann, 8, 1, 1, "Ann"));
    ASSERT_FALSE(annToken.empty());
    // Two connections for role 1: once one of them is turned away, the other holds the role.
    GameClient a(quint16(server->gameBase() + 8)), b(quint16(server->gameBase() + 8));
    a.send(connectFrame(1, annToken));
    b.send(connectFrame(1, annToken));
    int turnedAway = 0;
    for (int i = 0; i < 100 && turnedAway == 0; ++i)
        turnedAway = a.closedByServer(50) ? 1 : b.closedByServer(50) ? 2 : 0;
    ASSERT_NE(turnedAway, 0);
    GameClient &stale = turnedAway == 1 ? b : a;
    // Ann gives up the seat, but her program never says so to the game server.
    ASSERT_EQ(seatChange(ann, 8, 1, 2, ""), "$ok$");
    const std::string bobToken = seatToken(seatChange(player("Bob"), 8, 1, 1, "Bob"));
    ASSERT_FALSE(bobToken.empty());
    GameClient fresh(quint16(server->gameBase() + 8));
    fresh.send(connectFrame(1, bobToken));
    EXPECT_TRUE(stale.closedByServer());
    EXPECT_FALSE(fresh.closedByServer(300));
    EXPECT_EQ(seatAt(8, 1), "Bob");
}

// The server frees the seats behind one given up or lost before the deal and
// closes the game connections of every role whose seat it freed, so their
// programs see the reset; the seats before keep theirs.
TEST_P(Tournament, SeatsFreedBeforeTheDealLoseTheirGameConnections) {
    struct Case {
        const char *what;
        bool connectionLost; // otherwise seat 2 is given up in the lobby
    };
    const Case cases[] = {{"seat 2 given up", false}, {"seat 2's connection lost", true}};
    int table = 1;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::string tokens[5];
        for (int s = 1; s <= 4; ++s) {
            tokens[s] = seatToken(seatChange(player(kNicks[s - 1]), table, s, 1, kNicks[s - 1]));
            ASSERT_FALSE(tokens[s].empty());
        }
        // Roles 1, 2 and 4 connected; role 3's program has not yet: no deal.
        std::map<int, std::unique_ptr<GameClient>> roles;
        for (int role : {1, 2, 4}) {
            roles[role] = std::make_unique<GameClient>(quint16(server->gameBase() + table));
            roles[role]->send(connectFrame(role, tokens[role]));
        }
        ASSERT_FALSE(roles[4]->closedByServer(300));
        if (c.connectionLost)
            roles[2].reset();
        else
            ASSERT_EQ(seatChange(player("Bob"), table, 2, 2, ""), "$ok$");
        EXPECT_TRUE(roles[4]->closedByServer()) << "seat 4 was freed behind seat 2";
        if (roles[2]) {
            EXPECT_TRUE(roles[2]->closedByServer());
        }
        EXPECT_FALSE(roles[1]->closedByServer(300)) << "seat 1 is still held";
        EXPECT_EQ(seatAt(table, 1), "Ann");
        for (int s = 2; s <= 4; ++s)
            EXPECT_EQ(seatAt(table, s), "X") << s;
        // Ann gives up too: the table is free for the next case.
        ASSERT_EQ(seatChange(player("Ann"), table, 1, 2, ""), "$ok$");
        EXPECT_TRUE(roles[1]->closedByServer());
        ++table;
    }
}

// A "TOut" from a participant who is not to move, or from the mover long
// before its 26 seconds have run, is dropped: the game goes on and nobody
// hears of it.
TEST_P(Tournament, ATimeOutTheServersClockDoesNotAgreeWithIsIgnored) {
    seatAndConnect(9);
    startAndPlay(2);
    for (int step = 0; step < 3; ++step) {
        const int mover = model->roleToMove();
        const int other = mover % 4 + 1;
        of(other).send(frame("TOut", char('0' + other)));
        of(mover).send(frame("TOut", char('0' + mover)));
        // The mover's move is the others' next frame: no "TOut", no "e".
        sendRelayed(mover, model->nextMove());
    }
}

// One participant floods the chat while another never reads: one line a
// second goes on, the rest is dropped, so the reader's unread data stays a
// few frames; the game goes on, and at its end the reader's connection is
// closed although it never read.
TEST_P(Tournament, AChatFloodIsDroppedAndAReaderThatNeverReadsIsClosedAtTheEnd) {
    seatAndConnect(10);
    QByteArray flood;
    for (int i = 0; i < 1000; ++i)
        flood += frame("sFlood" + QByteArray::number(i), '2');
    of(2).send(flood); // 50 KB at once
    // Roles 1 and 4 read: exactly one line of the flood reached them.
    for (int role : {1, 4})
        EXPECT_EQ(of(role).receive(50), frame("sFlood0", '2')) << role;
    EXPECT_TRUE(of(1).receive(50, 300).isEmpty());
    // The game goes on for everyone but role 3, which reads nothing.
    of(1).send(frame("hbegin", '1'));
    for (int role : {2, 4})
        EXPECT_EQ(of(role).receive(50), frame("hbegin", '1')) << role;
    // The leader leaves: the others get "a", and role 3's connection is
    // closed with what little was unread: the flood line, the start, "a".
    clients[0].reset();
    const QByteArray unread = of(3).receive(4 * 50, 3000);
    EXPECT_EQ(unread.size(), 3 * 50);
    EXPECT_EQ(unread.left(50), frame("sFlood0", '2'));
    EXPECT_EQ(unread.mid(100, 1), "a");
    EXPECT_TRUE(of(3).closedByServer());
}

// The table list and the seat reader give the address the server saw the
// seat taken from, whatever the program reports: a forged address cannot
// make another's program refuse the table.
TEST_P(Tournament, TheSeatsAddressIsTheOneTheServerSaw) {
    HttpClient &ann = player("Ann");
    std::string body = seatChangeBody(6, 1, 1, "Ann");
    body.replace(body.find("ip1=127.0.0.1"), 13, "ip1=10.6.6.6");
    ASSERT_TRUE(seatTaken(ann.post("/tour.php", body).body));
    EXPECT_EQ(tour("readclient1=0&gid=46&num=6").body, "$Ann 0 0 0 1-001 Moscow M 127.0.0.1$");
    const std::string list = tour("readtable410=&gid=46").body;
    const std::string table6 = split(list, '*')[5];
    EXPECT_EQ(split(table6, ' ')[13], "127.0.0.1") << table6;
    EXPECT_EQ(list.find("10.6.6.6"), std::string::npos);
    EXPECT_EQ(tour("readclient2=0&gid=46&num=6").body, "$X 0 0 0 X X X X$");
}

} // namespace
