// The letters "no" inside a player's own data (a country "Lebanon", a city
// "Krasnodar", an e-mail "snow@...") travel like any other text: the server
// stores them and the program's request layer, which reads "no" only where
// the service writes it, reads them back. Made through the program's own
// requests against a running wem-server.
#include "ServiceFixture.h"
#include "tests/server/TestMember.h"

#include "web/Countries.h"
#include "web/WebServices.h"
#include "web/WorldLists.h"

#include <string>

using namespace servertest;

namespace {

class NamesWithNo : public ServiceTest {
  protected:
    void SetUp() override {
        ServiceTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        web = std::make_unique<web::WebServices>(web::Addresses::forServer(server->baseUrl()));
    }
    static web::TWemUser user(const std::string &nick, const std::string &city,
                              const std::string &email, int continent, int index) {
        return servertest::testMember({.nick = nick,
                                       .city = city,
                                       .countryCode = web::formatCountryCode(continent, index),
                                       .email = email});
    }
    std::unique_ptr<web::WebServices> web;
};
INSTANTIATE_ON_BOTH_BACKENDS(NamesWithNo);

TEST_P(NamesWithNo, AccountsRegisterAndLogInWithTheirOwnDataReadBack) {
    struct Case {
        const char *nick;
        const char *city;
        const char *email;
        int continent;
        int index;
    };
    const Case cases[] = {
        {"Unknowns", "Nowhere", "nobody@mail.no", 1, 0}, // "Unknown"
        {"Beirut1", "Beirut", "ann@mail.lb", 2, 26},     // "Lebanon"
        {"Marino", "Borgo", "snow@mail.sm", 1, 39},      // "San_Marino"
        {"Kuban", "Krasnodar", "kuban@mail.ru", 1, 1},    {"Nevada", "Reno", "reno@mail.us", 3, 34},
        {"Korean", "Pyongyang", "x@mail.kp", 2, 33},      // "North_Korea"
        {"Kirill", "Новороссийск", "nord@mail.ru", 1, 1}, // Cyrillic city
        {"Norfolk", "Kingston", "no@mail.nf", 5, 13},     // "Norfolk_Island"
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.nick);
        const web::TWemUser sent = user(c.nick, c.city, c.email, c.continent, c.index);
        ASSERT_EQ(web->RegisterAccount(sent), web::kRegistered);
        const auto login = web->LoginAccount(c.nick, "secret1");
        ASSERT_TRUE(login.ok);
        EXPECT_EQ(login.value.City, sent.City);
        EXPECT_EQ(login.value.Country1, sent.Country1);
        EXPECT_EQ(login.value.Country2, sent.Country2);
        EXPECT_EQ(login.value.EMail, sent.EMail);
    }
    // A wrong password is still a refusal.
    EXPECT_FALSE(web->LoginAccount("Nevada", "wrong99").ok);
}

TEST_P(NamesWithNo, EveryCountryOfTheTableRegisters) {
    int n = 0;
    for (int continent = 1; continent <= web::kContinentCount; ++continent)
        for (size_t index = 0; index < web::countriesOf(continent).size(); ++index) {
            const std::string nick = "Land" + std::to_string(++n);
            SCOPED_TRACE(std::string(web::CountryNames(continent, int(index)).english));
            EXPECT_EQ(
                web->RegisterAccount(user(nick, "Oslo", nick + "@mail.no", continent, int(index))),
                web::kRegistered);
        }
    EXPECT_EQ(web->ReadMemberCount().value, n);
}

TEST_P(NamesWithNo, WorldListEntriesAndProfilesKeepTheirTexts) {
    // A passport from Krasnodar with Lebanon's country code.
    const web::TWemRecord entry = web::localGameEntry({"Snowman", "2-026", "Krasnodar", 'W'}, 41);
    ASSERT_EQ(web->SendWorldResult(entry).value, 1);
    const auto rows = web->ReadWorldList(web::kLocalGamesList);
    ASSERT_TRUE(rows.ok);
    EXPECT_EQ(rows.value[0].Nick, "Snowman");
    EXPECT_EQ(rows.value[0].City, "Krasnodar");
    EXPECT_EQ(rows.value[0].Country, "2-026");
    const auto own = web->ReadOwnResults(web::kLocalGamesList, "Snowman", "Krasnodar");
    ASSERT_TRUE(own.ok);
    EXPECT_EQ(own.value[0].Score, 41);

    ASSERT_EQ(web->RegisterAccount(user("Nora", "Reno", "nora@mail.us", 3, 34)), web::kRegistered);
    ASSERT_TRUE(web->LoginAccount("Nora", "secret1").ok);
    web::TInfo14 info;
    info.Name1 = "Nora";
    info.About = "I know no trumps";
    ASSERT_TRUE(web->SaveProfile("Nora", info));
    const auto read = web->ReadProfile("Nora", {});
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.value.About, "I know no trumps");
}

} // namespace
