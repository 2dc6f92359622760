// Passwords over plain HTTP: which addresses would let them be read on the
// way, the once-per-server notice, and the client that sends none before it.
#include "ScriptedServers.h"

#include "store/AtomicFile.h"
#include "web/PlainPasswords.h"
#include "web/WebServices.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace web;

namespace {

TEST(PlainPasswords, OnlyPlainHttpToAnotherMachineIsReadableOnTheWay) {
    const struct {
        const char *url;
        bool readable;
    } cases[] = {
        {"http://club.example.org:8046/acc.php", true},
        {"http://192.168.1.20:8046/acc.php", true},
        {"http://[2001:db8::1]:8046/acc.php", true},
        {"http://127.0.0.1:8046/acc.php", false},
        {"http://127.1.2.3:8046/acc.php", false},
        {"http://localhost:8046/acc.php", false},
        {"http://[::1]:8046/acc.php", false},
        {"http://127.example.org:8046/acc.php", true}, // a name, not this machine
        {"http://127.0.0.1.example.org/acc.php", true},
        {"https://club.example.org:8046/acc.php", false},
        {"", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(passwordReadableOnTheWay(c.url), c.readable) << c.url;
}

TEST(PlainPasswords, ThePlayerIsToldOncePerServer) {
    const fs::path folder =
        fs::temp_directory_path() / ("quarn-plain-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const PlainPasswordNotice notice(folder / kPlainPasswordFileName);
    const std::string club = "http://club.example.org:8046/acc.php";
    EXPECT_TRUE(notice.due(club));
    EXPECT_FALSE(notice.due("https://club.example.org:8046/acc.php"));
    EXPECT_FALSE(notice.due("http://127.0.0.1:8046/acc.php"));
    ASSERT_TRUE(notice.told(club));
    // Remembered in the file: every request to that server, also in a later run.
    EXPECT_FALSE(PlainPasswordNotice(folder / kPlainPasswordFileName).due(club));
    EXPECT_FALSE(notice.due("http://club.example.org:8046/tour.php"));
    EXPECT_TRUE(notice.due("http://club.example.org:9000/acc.php"));
    ASSERT_TRUE(notice.told("http://club.example.org:9000/acc.php"));
    EXPECT_FALSE(notice.due(club)) << "the first server stays told";
    // A file that cannot be written: told again next time.
    EXPECT_FALSE(PlainPasswordNotice(folder / "missing" / "x.txt").told(club));
    fs::remove_all(folder);
}

// The client sends no password to such a server before the window allowed
// it; the address is IPv4-mapped loopback, so nothing leaves the machine.
TEST(PlainPasswords, NoPasswordLeavesBeforeThePlayerWasTold) {
    webtest::ScriptedHttpServer server;
    server.answer("$no$");
    const std::string mapped = "http://[::ffff:127.0.0.1]:" + std::to_string(server.port());
    WebClient client(ServerOfRun{ServerSource::File, {}, Addresses::forServer(mapped), {}});
    EXPECT_FALSE(client.passwordsMayGoTo(mapped + "/acc.php"));
    EXPECT_TRUE(client.passwordsMayGoTo("https://club.example.org/acc.php"));
    WebServices services(client);
    EXPECT_FALSE(services.LoginAccount("Ann", "secret1").ok);
    EXPECT_TRUE(server.requests().empty());
    client.allowPlainPasswords();
    EXPECT_TRUE(client.passwordsMayGoTo(mapped + "/acc.php"));

    // To this machine nothing holds a password back.
    webtest::ScriptedHttpServer local;
    local.answer("$no$");
    WebClient near(ServerOfRun{ServerSource::File, {}, Addresses::forServer(local.base()), {}});
    EXPECT_FALSE(WebServices(near).LoginAccount("Ann", "secret1").ok);
    ASSERT_EQ(local.requests().size(), 1u);
    EXPECT_NE(local.requests().front().body.find("pw=secret1"), std::string::npos);
}

} // namespace
