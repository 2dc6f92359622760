// The account service over HTTP: registration, login, results, top ten,
// profiles and balances, in the reply layouts the program scans.
#include "ServiceFixture.h"

using namespace servertest;

namespace {

class Accounts : public ServiceTest {};
INSTANTIATE_ON_BOTH_BACKENDS(Accounts);

std::vector<std::string> recordFields(const std::string &reply) {
    // "$a b c$" -> a, b, c (empty pieces kept)
    EXPECT_GE(reply.size(), 2u);
    const std::string record = reply.substr(1, reply.find('$', 1) - 1);
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t space = record.find(' ', start);
        fields.push_back(record.substr(start, space - start));
        if (space == std::string::npos)
            break;
        start = space + 1;
    }
    return fields;
}

TEST_P(Accounts, RegistrationThenLoginGivesTheRecordTheProgramReads) {
    EXPECT_EQ(acc(registerBody("Player1")).body, "$ok$");
    const HttpResult again = acc(registerBody("Player1", "other12"));
    EXPECT_NE(again.body.find("is"), std::string::npos) << again.body;

    const HttpResult login = acc("nick=Player1&pw=secret1&label0=0");
    ASSERT_EQ(login.status, 200);
    EXPECT_EQ(login.body.find("no"), std::string::npos) << login.body;
    EXPECT_EQ(recordFields(login.body),
              (std::vector<std::string>{"Moscow", "Russia", "1-001", "M", "ann@mail.ru",
                                        "10.12.2025", "xxx", "xxx", "xxx", "0", "0", "0"}));
    EXPECT_EQ(acc("label1=0").body, "$1$");
    EXPECT_EQ(acc("nick=Player1&labelwemread=0").body, "$0$");
    // The password is kept only as a salted hash.
    auto direct = db();
    EXPECT_EQ(direct.number(
                  "SELECT COUNT(*) FROM accounts WHERE pw_hash LIKE '%secret1%' OR pw_salt = ''"),
              0);
    EXPECT_EQ(direct.number("SELECT COUNT(*) FROM accounts WHERE length(pw_hash) = 64"), 1);
}

TEST_P(Accounts, AShortDateWithBlanksIsKeptWithoutThem) {
    std::string body = registerBody("Jana");
    body.replace(body.find("dater=10.12.2025"), 16, "dater=10. 12. 2025");
    ASSERT_EQ(acc(body).body, "$ok$");
    EXPECT_EQ(recordFields(acc("nick=Jana&pw=secret1&label0=0").body)[5], "10.12.2025");
}

TEST_P(Accounts, BadRegistrationsAreRefusedClearlyAndChangeNothing) {
    struct Case {
        const char *why;
        std::string body;
    };
    const std::string good = registerBody("Player2");
    auto with = [&](const std::string &field, const std::string &value) {
        std::string body = good;
        const size_t at = body.find(field + "=");
        const size_t end = body.find('&', at);
        return body.replace(at, end - at, field + "=" + value);
    };
    const Case cases[] = {
        {"nick with a blank", with("nick", "Pl ayer")},
        {"Cyrillic nick", with("nick", "\xC8\xE3\xF0\xEE\xEA")},
        {"nick too long", with("nick", "ThirteenChars")},
        {"password too short", with("pw", "abc")},
        {"password with $", with("pw", "ab$cdef")},
        {"city empty", with("city", "")},
        {"bad e-mail", with("email", "mail.ru@")},
        {"unknown country", with("country2", "1-049")},
        {"sex X", with("sex", "X")},
        {"a field absent", good.substr(0, good.find("&dater"))},
    };
    for (const Case &c : cases) {
        const HttpResult reply = acc(c.body);
        EXPECT_EQ(reply.status, 400) << c.why;
        EXPECT_FALSE(holdsStatusWord(reply.body)) << c.why << ": " << reply.body;
        EXPECT_NE(reply.body.find("error"), std::string::npos) << c.why;
    }
    EXPECT_EQ(acc("label1=0").body, "$0$");
}

TEST_P(Accounts, RequestsWithAWrongPasswordAreRefused) {
    registerAndLogin("Ann");
    EXPECT_NE(acc("nick=Ann&pw=wrong99&label0=0").body.find("no"), std::string::npos);
    EXPECT_NE(acc("nick=Nobody&pw=secret1&label0=0").body.find("no"), std::string::npos);
    // The program converts the first field to a number: "no" makes the read fail.
    EXPECT_EQ(recordFields(acc("nick=Ann&pw=wrong99&crdQuarnbest=0").body)[0], "no");
    const std::string save =
        "nick=Ann&pw=wrong99&crdQuarnkon=3&crdQuarnbest=0&crdQuarnrating=-16.6&"
        "crdQuarnses=0&crdQuarnkonl=0&crdQuarnscore=0&crdQuarnR1=0&crdQuarnR2=#";
    EXPECT_EQ(acc(save).body.find("ok"), std::string::npos);
    EXPECT_EQ(db().number("SELECT COUNT(*) FROM game_results"), 0);
}

TEST_P(Accounts, ResultsRoundTripAndRankTheTopTenByRating) {
    // No results yet: zeros, as the program's reset values.
    registerAndLogin("Ann");
    EXPECT_EQ(recordFields(acc("nick=Ann&pw=secret1&crdQuarnbest=0").body),
              (std::vector<std::string>{"0", "0", "0.000000", "0", "0", "0", "0", "#"}));
    const struct {
        const char *nick;
        const char *rating;
    } players[] = {{"Ann", "2.55"}, {"Bob", "-2.1166666666667"}, {"Cid", "7.25"}, {"Dan", "2.55"}};
    for (const auto &p : players) {
        if (std::string(p.nick) != "Ann") {
            ASSERT_EQ(acc(registerBody(p.nick)).body, "$ok$");
        }
        storeRecord(p.nick, {.kon = 12,
                             .best = 40,
                             .rating = std::stod(p.rating),
                             .sessions = 1,
                             .konl = 3,
                             .score = -5});
    }
    EXPECT_EQ(recordFields(acc("nick=Ann&pw=secret1&crdQuarnbest=0").body),
              (std::vector<std::string>{"12", "40", "2.550000", "1", "3", "-5", "0", "#"}));
    // Ties keep the earlier account first; ratings are written with "." as separator.
    EXPECT_EQ(acc("crdQuarnkon=0").body,
              "$1 Cid Moscow Russia 1-001 M 7.250000*$2 Ann Moscow Russia 1-001 M 2.550000*"
              "$3 Dan Moscow Russia 1-001 M 2.550000*$4 Bob Moscow Russia 1-001 M -2.116667*");
    EXPECT_EQ(acc("crdQuarnrating=2.55").body, "$2$");
    EXPECT_EQ(acc("crdQuarnrating=100").body, "$1$");
    EXPECT_EQ(acc("crdQuarnrating=-50").body, "$5$");
    EXPECT_EQ(acc("crdQuarnrating=abc").status, 400);
}

TEST_P(Accounts, ProfilesAreSavedOnlyFromTheOwnSessionAndReadInOrder) {
    const std::string texts =
        "&namei=Ann&name2=Lee&about=Plays+daily, 100%&telephone=+7 999 1234567"
        "&emailo=ann@mail.ru&website=ann.example&skype=ann.s&ok=a1&vk=a2&telegram=@ann"
        "&facebook=a3&twitter=a4&instagramm=a5&youtube=a6";
    ASSERT_EQ(acc(registerBody("Ann")).body, "$ok$");
    ASSERT_EQ(acc(registerBody("Bob")).body, "$ok$");
    // Without a login, or logged in as someone else: refused.
    EXPECT_EQ(acc("nick=Ann&labelinfosave=0" + texts).body.find("ok"), std::string::npos);
    acc("nick=Bob&pw=secret1&label0=0");
    EXPECT_EQ(acc("nick=Ann&labelinfosave=0" + texts).body.find("ok"), std::string::npos);
    acc("nick=Ann&pw=secret1&label0=0");
    EXPECT_EQ(acc("nick=Ann&labelinfosave=0" + texts).body, "$ok$");
    // Raw texts come back as sent: "+" and "%" are not escapes in a raw body.
    EXPECT_EQ(acc("nick=Ann&labelinforead=0").body,
              "$Ann~Lee~Plays+daily, 100%~+7 999 "
              "1234567~ann@mail.ru~ann.example~ann.s~a1~a2~@ann~a3~a4~a5~a6$");
    EXPECT_EQ(acc("nick=Bob&labelinforead=0").body, "$~~~~~~~~~~~~~$");
    // "~" or "$" would break the reply: refused, the stored profile stays.
    std::string broken = texts;
    broken.replace(broken.find("Lee"), 3, "L~e");
    EXPECT_EQ(acc("nick=Ann&labelinfosave=0" + broken).status, 400);
    EXPECT_NE(acc("nick=Ann&labelinforead=0").body.find("~Lee~"), std::string::npos);
    EXPECT_NE(acc("nick=Nobody&labelinforead=0").body.find("no"), std::string::npos);
}

} // namespace
