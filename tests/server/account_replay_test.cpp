// Rated account matches against a real wem-server: the server deals them
// from its own seed, replays the player's moves and stores only what its
// replay gives; forged figures, moves that do not replay and repeats change
// nothing. The account list takes a game only from such a match, once.
#include "ServiceFixture.h"
#include "tests/server/TestMember.h"

#include "opponent/MatchReplay.h"
#include "web/AccountMatch.h"
#include "web/AccountRating.h"
#include "web/WebServices.h"

using namespace servertest;

namespace {

constexpr int kMatchHands = 3;

struct Ticket {
    long long id = 0;
    std::uint64_t seed = 0;
};

class AccountReplay : public ServiceTest {
  protected:
    // The pre-charge as a program sends it, with figures of its own choosing.
    Ticket preCharge(const std::string &nick, const std::string &figures = kHonestFigures) {
        const HttpResult reply = acc("nick=" + nick + "&pw=secret1&" + figures);
        const auto fields = recordFields(reply.body);
        EXPECT_EQ(fields.size(), 3u) << reply.body;
        if (fields.size() != 3)
            return {};
        EXPECT_EQ(fields[0], "ok");
        return {std::stoll(fields[1]), std::stoull(fields[2])};
    }
    HttpResult record(const std::string &nick, long long matchId, const std::string &moves,
                      const std::string &figures = kHonestFigures) {
        return acc("nick=" + nick + "&pw=secret1&" + figures +
                   "&crdQuarnmatch=" + std::to_string(matchId) + "&crdQuarnmoves=" + moves);
    }
    std::vector<std::string> stored(const std::string &nick) {
        return recordFields(acc("nick=" + nick + "&pw=secret1&crdQuarnbest=0").body);
    }
    static std::vector<std::string> recordFields(const std::string &body) {
        const auto open = body.find('$');
        const auto close = body.find('$', open + 1);
        std::vector<std::string> fields;
        if (open == std::string::npos || close == std::string::npos)
            return fields;
        std::string field;
        for (const char c : body.substr(open + 1, close - open - 1)) {
            if (c == ' ') {
                fields.push_back(field);
                field.clear();
            } else {
                field += c;
            }
        }
        fields.push_back(field);
        return fields;
    }
    static std::string honestMoves(std::uint64_t seed) {
        return quarn::EncodeMoves(quarn::ChooserPlayerMoves(seed, false, kMatchHands));
    }
    static constexpr const char *kHonestFigures =
        "crdQuarnkon=3&crdQuarnbest=0&crdQuarnrating=0&crdQuarnses=0&crdQuarnkonl=0&"
        "crdQuarnscore=0&crdQuarnR1=0&crdQuarnR2=#";
    static constexpr const char *kForgedFigures =
        "crdQuarnkon=1000000&crdQuarnbest=1000000&crdQuarnrating=99.99&crdQuarnses=100000000&"
        "crdQuarnkonl=0&crdQuarnscore=1000000&crdQuarnR1=0&crdQuarnR2=#";
};
INSTANTIATE_ON_BOTH_BACKENDS(AccountReplay);

std::string decimal(double value) {
    return QByteArray::number(value, 'f', 6).toStdString();
}

TEST_P(AccountReplay, ThePreChargeIsTheServersOwnWhateverTheProgramSends) {
    registerAndLogin("Ann");
    storeRecord("Ann", {.kon = 9, .best = 12, .rating = 2.5, .sessions = 0, .konl = 9, .score = 7});
    const Ticket first = preCharge("Ann", kForgedFigures);
    const Ticket second = preCharge("Ann", kForgedFigures);
    EXPECT_GT(first.id, 0);
    EXPECT_NE(second.id, first.id);
    EXPECT_NE(second.seed, first.seed);
    // Two pre-charges of 3 hands each, from the stored record alone.
    const double once = web::PreChargedRating(2.5, 9);
    EXPECT_EQ(stored("Ann"),
              (std::vector<std::string>{"15", "12", decimal(web::PreChargedRating(once, 12)), "0",
                                        "0", "0", "0", "#"}));
    EXPECT_EQ(
        acc("nick=Ann&pw=secret1&" + std::string(kHonestFigures) + "&crdQuarnstrong=2").status,
        400);
}

TEST_P(AccountReplay, AnHonestMatchStoresWhatTheReplayGivesOnce) {
    registerAndLogin("Ann");
    storeRecord("Ann", {.kon = 9, .best = 12, .rating = 2.5, .sessions = 0, .konl = 9, .score = 7});
    const Ticket ticket = preCharge("Ann");
    const std::string moves = honestMoves(ticket.seed);
    const quarn::ReplayResult replay =
        quarn::ReplayMatch(ticket.seed, false, *quarn::DecodeMoves(moves));
    ASSERT_TRUE(replay.ok) << replay.error;
    // Forged figures beside honest moves are ignored.
    EXPECT_EQ(record("Ann", ticket.id, moves, kForgedFigures).body, "$ok$");
    const double rating = web::RecordedRating(web::PreChargedRating(2.5, 9), 12, replay.matchScore);
    const std::vector<std::string> expected{
        "12", "12", decimal(rating), "0", "12", std::to_string(7 + replay.matchScore), "0", "#"};
    EXPECT_EQ(stored("Ann"), expected);
    EXPECT_EQ(db().number("SELECT match_score FROM account_matches"), replay.matchScore);
    // The same match again (a lost acknowledgement): acknowledged, nothing more.
    EXPECT_EQ(record("Ann", ticket.id, moves).body, "$ok$");
    EXPECT_EQ(stored("Ann"), expected);
}

TEST_P(AccountReplay, RecordsThatDoNotReplayStoreNothing) {
    registerAndLogin("Ann");
    registerAndLogin("Bob");
    const Ticket ann = preCharge("Ann");
    const Ticket bob = preCharge("Bob");
    const std::string moves = honestMoves(ann.seed);
    const std::string otherDeals = honestMoves(ann.seed + 1);
    const std::string twoHands = moves.substr(0, moves.rfind('.'));
    // The chooser never passes while a card fits: a pass in place of its
    // first card is illegal.
    std::string illegal = moves;
    illegal[illegal.find_first_of("123456789")] = '0';
    const struct {
        const char *name;
        std::string body;
    } cases[] = {
        {"the Part's figures alone", std::string("nick=Ann&pw=secret1&") + kForgedFigures +
                                         "&crdQuarnmatch=" + std::to_string(ann.id)},
        {"no move list", "nick=Ann&pw=secret1&" + std::string(kForgedFigures) +
                             "&crdQuarnmatch=" + std::to_string(ann.id) + "&crdQuarnmoves="},
        {"an illegal move", "nick=Ann&pw=secret1&" + std::string(kHonestFigures) +
                                "&crdQuarnmatch=" + std::to_string(ann.id) +
                                "&crdQuarnmoves=" + illegal},
        {"moves of other deals", "nick=Ann&pw=secret1&" + std::string(kHonestFigures) +
                                     "&crdQuarnmatch=" + std::to_string(ann.id) +
                                     "&crdQuarnmoves=" + otherDeals},
        {"two hands of three", "nick=Ann&pw=secret1&" + std::string(kHonestFigures) +
                                   "&crdQuarnmatch=" + std::to_string(ann.id) +
                                   "&crdQuarnmoves=" + twoHands},
        {"not a move list", "nick=Ann&pw=secret1&" + std::string(kHonestFigures) +
                                "&crdQuarnmatch=" + std::to_string(ann.id) + "&crdQuarnmoves=1x2"},
        {"another account's match", "nick=Ann&pw=secret1&" + std::string(kHonestFigures) +
                                        "&crdQuarnmatch=" + std::to_string(bob.id) +
                                        "&crdQuarnmoves=" + moves},
        {"a match never opened", "nick=Ann&pw=secret1&" + std::string(kHonestFigures) +
                                     "&crdQuarnmatch=999999&crdQuarnmoves=" + moves},
        {"a wrong password", "nick=Ann&pw=wrong99&" + std::string(kHonestFigures) +
                                 "&crdQuarnmatch=" + std::to_string(ann.id) +
                                 "&crdQuarnmoves=" + moves},
    };
    const std::vector<std::string> charged = stored("Ann");
    for (const auto &c : cases) {
        const HttpResult reply = acc(c.body);
        EXPECT_EQ(reply.body.find("ok"), std::string::npos) << c.name << ": " << reply.body;
        EXPECT_EQ(stored("Ann"), charged) << c.name;
        EXPECT_EQ(db().number("SELECT COUNT(*) FROM account_matches WHERE recorded = 1"), 0)
            << c.name;
    }
    // The honest moves still record the match afterwards.
    EXPECT_EQ(record("Ann", ann.id, moves).body, "$ok$");
    EXPECT_EQ(stored("Ann")[4], "3");
}

TEST_P(AccountReplay, TheAccountListTakesOnlyAReplayedGameOnceWithItsBonus) {
    registerAndLogin("Ann");
    // 27 hands of the current game played with 40 points: this match completes it.
    storeRecord("Ann", {.kon = 27,
                        .best = 10,
                        .rating = web::AccountRating(40, 27),
                        .sessions = 0,
                        .konl = 27,
                        .score = 40});
    const auto send = [&](const std::string &extra) {
        return world("gid=346&nick=Ann&city=Moscow&country=Russia&score=1000000&R7=M&R8=5.7f&"
                     "R9=#" +
                     extra + "&R10=#*");
    };
    // Without a replayed match the list takes nothing.
    EXPECT_EQ(send("").status, 400);
    const Ticket open = preCharge("Ann");
    EXPECT_EQ(send("&match=" + std::to_string(open.id)).status, 400) << "not yet recorded";

    const std::string moves = honestMoves(open.seed);
    const int matchScore =
        quarn::ReplayMatch(open.seed, false, *quarn::DecodeMoves(moves)).matchScore;
    ASSERT_EQ(record("Ann", open.id, moves).body, "$ok$");
    const std::vector<std::string> afterGame = stored("Ann");
    EXPECT_EQ(afterGame[3], "1");                                           // Sessions
    EXPECT_EQ(afterGame[4], "0");                                           // KonL
    EXPECT_EQ(afterGame[1], std::to_string(std::max(10, 40 + matchScore))); // Best

    const std::string match = "&match=" + std::to_string(open.id);
    EXPECT_EQ(send(match).body, "$1$");
    EXPECT_EQ(db().number("SELECT score FROM world_results WHERE gid = 346"), 40 + matchScore);
    EXPECT_EQ(acc("nick=Ann&labelwemsave=0&R04=25").body, "$ok$");
    // Sent again (a lost acknowledgement): the same place, no second row, no second bonus.
    EXPECT_EQ(send(match).body, "$1$");
    EXPECT_EQ(send(match + "&rqid=other").body, "$1$");
    EXPECT_EQ(db().number("SELECT COUNT(*) FROM world_results WHERE gid = 346"), 1);
    EXPECT_EQ(acc("nick=Ann&labelwemsave=0&R04=25").body.find("ok"), std::string::npos);
    EXPECT_EQ(acc("nick=Ann&labelwemread=0").body, "$25$");
    // A recorded match that did not complete a game earns no entry.
    const Ticket next = preCharge("Ann");
    ASSERT_EQ(record("Ann", next.id, honestMoves(next.seed)).body, "$ok$");
    EXPECT_EQ(send("&match=" + std::to_string(next.id)).status, 400);
}

TEST_P(AccountReplay, AWorldResultSentAgainWithItsIdIsStoredOnce) {
    const std::string result =
        "gid=46&nick=Olga&city=Oslo&country=1-035&score=50&R7=W&R8=5.7f&R9=#";
    EXPECT_EQ(world(result + "&rqid=r1&R10=#*").body, "$1$");
    EXPECT_EQ(
        world("gid=46&nick=Petr&city=Oslo&country=1-035&score=70&R7=M&R8=5.7f&R9=#&R10=#*").body,
        "$1$");
    // The repeat gets the entry's place as it is now, and makes no row.
    EXPECT_EQ(world(result + "&rqid=r1&R10=#*").body, "$2$");
    EXPECT_EQ(db().number("SELECT COUNT(*) FROM world_results WHERE nick = 'Olga'"), 1);
    // Another id is another result.
    EXPECT_EQ(world(result + "&rqid=r2&R10=#*").body, "$3$");
    EXPECT_EQ(db().number("SELECT COUNT(*) FROM world_results WHERE nick = 'Olga'"), 2);
    EXPECT_EQ(world(result + "&rqid=a b&R10=#*").status, 400);
}

// The program's own steps against the server: an account match whose hands
// come from the server's seed is recorded with the figures of the replay.
TEST_P(AccountReplay, TheProgramsMatchIsRecordedAsTheServerReplaysIt) {
    web::WebServices services(web::Addresses::forServer(server->baseUrl()));
    ASSERT_EQ(services.RegisterAccount(servertest::testMember({.nick = "Ann"})), web::kRegistered);
    web::Account account;
    const auto login = services.LoginAccount("Ann", "secret1");
    ASSERT_TRUE(login.ok);
    account.user = login.value;
    account.state = web::AccountState::LoggedIn;
    web::AccountMatchIo io;
    io.openAccountWindow = [&] { account.state = web::AccountState::PlayingForRating; };
    const web::AccountMatchStart start = web::StartAccountMatch(services, account, io, false);
    ASSERT_TRUE(start.started);
    ASSERT_GT(account.match.id, 0);
    const quarn::MatchMoves moves = quarn::ChooserPlayerMoves(account.match.seed, false, 3);
    const int score = quarn::ReplayMatch(account.match.seed, false, moves).matchScore;
    // The program claims 30 points more than it made: the server keeps its own.
    const web::AccountMatchRecord recorded = web::RecordAccountMatch(
        services, account, score + 30, score + 30, io, quarn::EncodeMoves(moves));
    ASSERT_TRUE(recorded.stored);
    EXPECT_EQ(account.game.Kon, 3);
    EXPECT_EQ(account.game.KonL, 3);
    EXPECT_EQ(account.game.Score, score);
    EXPECT_NEAR(recorded.rating, web::AccountRating(score, 3), 1e-5);
}

} // namespace
