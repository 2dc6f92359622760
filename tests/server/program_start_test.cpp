// The program's online start against a running wem-server: a server file
// beside the program names the club's server, the configuration page read
// from it puts the addresses in force, and every request then reaches that
// server; with the server gone the same start gives no page and requests fail.
#include "ServerHarness.h"

#include "store/AtomicFile.h"
#include "web/WebServices.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

using namespace servertest;
namespace fs = std::filesystem;

namespace {

web::TWemUser member(const std::string &nick) {
    web::TWemUser u;
    u.Nick = nick;
    u.Pw = "secret1";
    u.City = "Omsk";
    u.Country1 = "Russia";
    u.Country2 = "1-001";
    u.EMail = nick + "@mail.ru";
    u.DateR = "10.12.2025";
    u.R01 = u.R02 = u.R03 = "xxx";
    return u;
}

TEST(ProgramStart, ServerFileLeadsEveryRequestToTheClubServer) {
    RunningServer server;
    ASSERT_TRUE(server.ok()) << server.error().toStdString();
    QTemporaryDir top;
    const fs::path program = fs::path(top.path().toStdString()) / "Quarn";
    fs::create_directories(program);
    const std::string line = server.baseUrl().substr(std::string("http://").size());
    ASSERT_TRUE(quarn::writeFileAtomically(program.parent_path() / "Quarn.srv", line + "\r\n"));

    web::WebClient client(web::serverOfRun(program));
    ASSERT_EQ(client.source(), web::ServerSource::File);
    web::StoredServicePaths stored{std::string(web::builtin::kWorldService),
                                   std::string(web::builtin::kStatisticsService)};
    const web::RemoteConfig remote = web::WebServices(client).StartOnline(stored);
    ASSERT_TRUE(remote.downloadLink);
    EXPECT_EQ(*remote.downloadLink, server.baseUrl() + "/downloads/progr/cards/");
    EXPECT_EQ(client.addresses().worldService, server.baseUrl() + "/world.php");

    web::WebServices web(client);
    EXPECT_EQ(web.RegisterAccount(member("Ann")), web::kRegistered);
    EXPECT_TRUE(web.LoginAccount("Ann", "secret1").ok);
    EXPECT_TRUE(web.ReadWorldList(web::kLocalGamesList).ok);
    EXPECT_TRUE(web.SendStart(1, 0));

    server.stop();
    web::WebClient later(web::serverOfRun(program));
    const web::RemoteConfig none = web::WebServices(later).StartOnline(stored);
    EXPECT_FALSE(none.downloadLink);
    EXPECT_FALSE(web::WebServices(later).LoginAccount("Ann", "secret1").ok);
}

} // namespace
