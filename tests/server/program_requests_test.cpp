// Every request of the program, made through its own request layer (web/),
// against a running wem-server: what the server answers is what the
// program's reply scanning reads.
#include "ServiceFixture.h"
#include "tests/server/TestMember.h"

#include "store/AtomicFile.h"
#include "web/AccountRating.h"
#include "web/WebServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>

using namespace servertest;

namespace {

class ProgramRequests : public ServiceTest {
  protected:
    void SetUp() override {
        ServiceTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        web = std::make_unique<web::WebServices>(web::Addresses::forServer(server->baseUrl()));
    }
    static web::TWemUser user(const std::string &nick) {
        return servertest::testMember(
            {.nick = nick, .city = "Москва", .sex = 'W', .email = nick + "@mail.ru"});
    }
    std::unique_ptr<web::WebServices> web;
};
INSTANTIATE_ON_BOTH_BACKENDS(ProgramRequests);

TEST_P(ProgramRequests, AccountRegistrationLoginAndRecords) {
    EXPECT_EQ(web->RegisterAccount(user("Ann")), web::kRegistered);
    EXPECT_EQ(web->RegisterAccount(user("Ann")), web::kNickTaken);
    const auto login = web->LoginAccount("Ann", "secret1");
    ASSERT_TRUE(login.ok);
    EXPECT_EQ(login.value.City, "Москва");
    EXPECT_EQ(login.value.Country2, "1-001");
    EXPECT_EQ(login.value.Sex, 'W');
    EXPECT_EQ(login.value.EMail, "Ann@mail.ru");
    EXPECT_EQ(login.value.DateR, "10.12.2025");
    EXPECT_FALSE(web->LoginAccount("Ann", "wrong99").ok);
    EXPECT_EQ(web->ReadMemberCount().value, 1);

    const auto fresh = web->ReadGameResults("Ann", "secret1", {});
    ASSERT_TRUE(fresh.ok);
    EXPECT_EQ(fresh.value.Kon, 0);
    // What the program sends sets nothing: the pre-charge is the server's own.
    web::TWemGame game;
    game.Kon = 12;
    game.Best = 40;
    game.Rating = 2.55;
    game.Sessions = 1;
    const auto ticket = web->SavePreCharge("Ann", "secret1", game, false);
    ASSERT_TRUE(ticket.ok);
    EXPECT_GT(ticket.value.id, 0);
    const auto read = web->ReadGameResults("Ann", "secret1", {});
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.value.Kon, 3);
    EXPECT_EQ(read.value.Best, 0);
    EXPECT_NEAR(read.value.Rating, web::PreChargedRating(0.0, 0), 1e-6);
    EXPECT_EQ(read.value.Sessions, 0);
    EXPECT_EQ(read.value.KonL, 0);
    EXPECT_EQ(read.value.Score, 0);
    EXPECT_FALSE(web->ReadGameResults("Ann", "wrong99", {}).ok);

    const auto top = web->ReadTopTen();
    ASSERT_TRUE(top.ok);
    EXPECT_EQ(top.value[0].Nick, "Ann");
    EXPECT_EQ(top.value[0].Country, "1-001");
    EXPECT_EQ(top.value[0].Sex, 'W');
    EXPECT_NEAR(top.value[0].Rating, read.value.Rating, 1e-6);
    EXPECT_EQ(web->ReadPlace(read.value.Rating - 1).value, 2);
    EXPECT_EQ(web->ReadPlace(-100.0).value, 2);
    EXPECT_EQ(web->ReadPlace(2.55).value, 1);
}

TEST_P(ProgramRequests, ProfilesAndWems) {
    ASSERT_EQ(web->RegisterAccount(user("Bob")), web::kRegistered);
    ASSERT_EQ(web->RegisterAccount(user("Ann")), web::kRegistered);
    ASSERT_TRUE(web->LoginAccount("Ann", "secret1").ok);
    web::TInfo14 info;
    info.Name1 = "Анна";
    info.About = "Plays every day, 100% fair";
    info.Telephone = "+7 999 1234567";
    info.WebSite = "ann.example";
    info.YouTube = "@ann";
    ASSERT_TRUE(web->SaveProfile("Ann", info));
    const auto profile = web->ReadProfile("Ann", {});
    ASSERT_TRUE(profile.ok);
    EXPECT_EQ(profile.value.Name1, "Анна");
    EXPECT_EQ(profile.value.About, "Plays every day, 100% fair");
    EXPECT_EQ(profile.value.Telephone, "+7 999 1234567");
    EXPECT_EQ(profile.value.WebSite, "ann.example");
    EXPECT_EQ(profile.value.YouTube, "@ann");

    db().exec(QStringLiteral("UPDATE accounts SET balance = 100 WHERE nick = 'Ann'"));
    EXPECT_EQ(web->ReadBalance("Ann").value, 100);
    // The transfer as the account window makes it.
    ASSERT_TRUE(web->AddBalance("Bob", 30));
    ASSERT_TRUE(web->AddBalance("Ann", -30));
    EXPECT_EQ(web->ReadBalance("Ann").value, 70);
    EXPECT_EQ(web->ReadBalance("Bob").value, 30);
    EXPECT_FALSE(web->AddBalance("Nobody", 5)); // "There is no club member with that nick!"
    EXPECT_FALSE(web->ReadBalance("Nobody").ok);
}

TEST_P(ProgramRequests, WorldListsChatAndStatistics) {
    web::TWemRecord entry;
    entry.GID = web::kLocalGamesList;
    entry.Nick = "Игрок";
    entry.City = "Oslo";
    entry.Country = "1-035";
    entry.Score = 77;
    entry.R07 = "M";
    entry.R09 = "#";
    entry.R10 = "#";
    const auto place = web->SendWorldResult(entry);
    ASSERT_TRUE(place.ok);
    EXPECT_EQ(place.value, 1);
    const auto list = web->ReadWorldList(web::kLocalGamesList);
    ASSERT_TRUE(list.ok);
    EXPECT_EQ(list.value[0].Nick, "Игрок");
    EXPECT_EQ(list.value[0].Score, 77);
    EXPECT_EQ(list.value[0].Place, 1);
    EXPECT_EQ(list.value[1].Nick, "#");
    EXPECT_EQ(web->ReadWorldCount(web::kLocalGamesList).value, 1);
    const auto own = web->ReadOwnResults(web::kLocalGamesList, "Игрок", "Oslo");
    ASSERT_TRUE(own.ok);
    EXPECT_EQ(own.value[0].Score, 77);

    web::TWemRecord message = entry;
    message.GID = web::kChatList;
    message.Score = 1;
    message.R09 = "10:15:00_10.12.2025_Quarn";
    message.R10 = "Hello,_club";
    ASSERT_TRUE(web->SendWorldResult(message).ok);
    const auto chat = web->ReadWorldList(web::kChatList);
    ASSERT_TRUE(chat.ok);
    EXPECT_EQ(chat.value[0].Score, 1);
    EXPECT_EQ(chat.value[0].R10, "Hello,_club");

    EXPECT_TRUE(web->SendStart(1, 1));
    EXPECT_TRUE(web->SendLike(1, "Ann"));
    EXPECT_TRUE(web->SendGameStats({12, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 0}));
    const auto stats = web->ReadStats();
    ASSERT_TRUE(stats.ok);
    EXPECT_EQ(stats.value.Stat1, 1);
    EXPECT_EQ(stats.value.Stat2, 1);
    EXPECT_EQ(stats.value.Stat3, 1);
    EXPECT_EQ(stats.value.Stat4, "Ann");
    EXPECT_EQ(stats.value.StatX[0], 12);
    EXPECT_EQ(stats.value.StatX[3], 40);
}

TEST_P(ProgramRequests, PagesPhotosAndDownloads) {
    const web::RemoteConfig config = web->LoadRemoteConfig();
    EXPECT_FALSE(config.chatPaused);
    EXPECT_FALSE(config.worldPaused);
    EXPECT_FALSE(config.accountService);
    EXPECT_TRUE(config.downloadLink);
    const auto news = web->FetchNews();
    ASSERT_TRUE(news.ok);
    EXPECT_NE(news.value.find("WemNews00001"), std::string::npos);
    EXPECT_EQ(web->LookupExternalIp(), "127.0.0.1");
    const auto songs = web->FetchSongList();
    ASSERT_TRUE(songs.ok);
    EXPECT_NE(songs.value.find(".mp3"), std::string::npos);
    const auto tables = web->PostTournament("readtable410=&gid=46");
    ASSERT_TRUE(tables.ok);
    EXPECT_EQ(tables.value.rfind("$1 127.0.0.1 ", 0), 0u);

    EXPECT_FALSE(web->DownloadPhoto("Ann").ok);
    QDir(server->dataDir()).mkpath(QStringLiteral("ftp/photos"));
    QFile photo(server->dataDir() + QStringLiteral("/ftp/photos/Ann.jpg"));
    ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
    photo.write(QByteArray("\xFF\xD8\xFF\xE0"
                           "photo",
                           9));
    photo.close();
    const auto got = web->DownloadPhoto("Ann");
    ASSERT_TRUE(got.ok);
    EXPECT_EQ(got.value, std::string("\xFF\xD8\xFF\xE0"
                                     "photo",
                                     9));

    QTemporaryDir target;
    ASSERT_TRUE(web->DownloadResource("WemRadio.rad", target.path().toStdString()));
    QFile radio(target.filePath(QStringLiteral("WemRadio.rad")));
    ASSERT_TRUE(radio.open(QIODevice::ReadOnly));
    EXPECT_TRUE(radio.readAll().contains("/radio/QRN0001#"));
    EXPECT_FALSE(web->DownloadResource("WemCards06A.dll", target.path().toStdString()));
}

// The program's online start: a server file beside the program names the
// club's server, the configuration page read from it puts the addresses in
// force and every request then reaches that server; with the server gone the
// same start gives no page and requests fail.
TEST_P(ProgramRequests, ServerFileLeadsTheStartAndEveryRequestToTheClubServer) {
    QTemporaryDir top;
    const std::filesystem::path program = std::filesystem::path(top.path().toStdString()) / "Quarn";
    std::filesystem::create_directories(program);
    const std::string line = server->baseUrl().substr(std::string("http://").size());
    ASSERT_TRUE(quarn::writeFileAtomically(program.parent_path() / "Quarn.srv", line + "\r\n"));

    web::WebClient club(web::serverOfRun(program));
    ASSERT_EQ(club.source(), web::ServerSource::File);
    web::StoredServicePaths stored{std::string(web::builtin::kWorldService),
                                   std::string(web::builtin::kStatisticsService)};
    const web::RemoteConfig remote = web::WebServices(club).StartOnline(stored);
    ASSERT_TRUE(remote.downloadLink);
    EXPECT_EQ(*remote.downloadLink, server->baseUrl() + "/downloads/progr/cards/");
    EXPECT_EQ(club.addresses().worldService, server->baseUrl() + "/world.php");

    web::WebServices requests(club);
    EXPECT_EQ(requests.RegisterAccount(user("Ann")), web::kRegistered);
    EXPECT_TRUE(requests.LoginAccount("Ann", "secret1").ok);
    EXPECT_TRUE(requests.ReadWorldList(web::kLocalGamesList).ok);
    EXPECT_TRUE(requests.SendStart(1, 0));

    server->stop();
    web::WebClient later(web::serverOfRun(program));
    EXPECT_FALSE(web::WebServices(later).StartOnline(stored).downloadLink);
    EXPECT_FALSE(web::WebServices(later).LoginAccount("Ann", "secret1").ok);
}

} // namespace
