// The start of the online side: the server file that names a club's server,
// the one web client that every request shares, and the configuration fetch
// that puts the service addresses in force, against a scripted server and a
// closed port.
#include "ScriptedServers.h"

#include "store/AtomicFile.h"
#include "web/Scramble.h"
#include "web/WebServices.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace web;
using webtest::ScriptedHttpServer;
using webtest::ScriptedReply;

namespace {

// ---- the server line ----------------------------------------------------------

struct LineCase {
    const char *what;
    std::string line;
    std::string base; // empty: refused
};

class ServerLine : public testing::TestWithParam<LineCase> {};

TEST_P(ServerLine, GivesTheBaseAddressOrNothing) {
    EXPECT_EQ(serverBaseUrl(GetParam().line).value_or(""), GetParam().base);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ServerLine,
    testing::Values(LineCase{"HostAlone", "club.example.org", "http://club.example.org:8046"},
                    LineCase{"AddressAndPort", "192.168.1.20:9000", "http://192.168.1.20:9000"},
                    LineCase{"WithSchemeAndSlash", "http://club.example.org:8046/",
                             "http://club.example.org:8046"},
                    LineCase{"BlanksAndLineEnd", "  10.0.0.5 \r\n", "http://10.0.0.5:8046"},
                    LineCase{"EditorMarkFirst",
                             "\xEF\xBB\xBF"
                             "club.example.org",
                             "http://club.example.org:8046"},
                    LineCase{"Ipv6", "[::1]:8046", "http://[::1]:8046"}, LineCase{"Empty", "", ""},
                    LineCase{"OtherScheme", "ftp://club.example.org", ""},
                    LineCase{"Secure", "https://club.example.org", "https://club.example.org:8046"},
                    LineCase{"SecureWithPort", "https://10.0.0.5:8443/", "https://10.0.0.5:8443"},
                    LineCase{"SchemeTwice", "https://http://club.example.org", ""},
                    LineCase{"Path", "club.example.org/acc.php", ""},
                    LineCase{"UserName", "me@club.example.org", ""},
                    LineCase{"Blank inside", "club example", ""},
                    LineCase{"PortZero", "club.example.org:0", ""},
                    LineCase{"PortTooLarge", "club.example.org:65536", ""},
                    LineCase{"PortNotANumber", "club.example.org:http", ""},
                    LineCase{"EmptyPort", "club.example.org:", ""},
                    LineCase{"OpenBracket", "[::1:8046", ""}),
    [](const auto &info) {
        std::string name = info.param.what;
        std::erase(name, ' ');
        return name;
    });

// ---- the server file ----------------------------------------------------------

class ServerFileTest : public testing::Test {
  protected:
    void SetUp() override {
        top_ = fs::temp_directory_path() / ("quarn-srv-" + std::to_string(::getpid()));
        program_ = top_ / "Quarn";
        fs::remove_all(top_);
        fs::create_directories(program_);
    }
    void TearDown() override { fs::remove_all(top_); }
    void write(const fs::path &folder, const std::string &text) {
        ASSERT_TRUE(quarn::writeFileAtomically(folder / "Quarn.srv", text));
    }

    fs::path top_;
    fs::path program_;
};

TEST_F(ServerFileTest, WithoutAFileTheBuiltInServerStands) {
    const ServerOfRun server = serverOfRun(program_ / "");
    EXPECT_EQ(server.source, ServerSource::BuiltIn);
    EXPECT_EQ(server.addresses.accountService, Addresses::builtIn().accountService);
    EXPECT_TRUE(server.addresses.worldService.empty()) << "decided at start";
}

TEST_F(ServerFileTest, TheProgramFolderComesBeforeTheFolderAbove) {
    write(top_, "above.example:8046\r\n");
    ServerOfRun server = serverOfRun(program_);
    EXPECT_EQ(server.source, ServerSource::File);
    EXPECT_EQ(server.file, top_ / "Quarn.srv");
    EXPECT_EQ(server.addresses.worldService, "http://above.example:8046/world.php");

    write(program_, "own.example\n");
    server = serverOfRun(program_ / "");
    EXPECT_EQ(server.file, program_ / "Quarn.srv");
    EXPECT_EQ(Unscramble(server.addresses.accountService, kAccountKey),
              "http://own.example:8046/acc.php");
    EXPECT_EQ(Unscramble(server.addresses.remoteConfigPage, kConfigKey),
              "http://own.example:8046/config.txt");
}

// The second line names the club's certificate authority, relative to the
// file's folder or absolute; every transfer of the run trusts it.
TEST_F(ServerFileTest, TheSecondLineNamesTheClubsAuthority) {
    const struct {
        std::string text;
        fs::path authority;
    } cases[] = {
        {"https://own.example\n", {}},
        {"https://own.example\r\n  \r\n", {}},
        {"https://own.example\r\n club-ca.pem \r\n", program_ / "club-ca.pem"},
        {"https://own.example\n../keys/ca.pem\n", program_ / "../keys/ca.pem"},
        {"https://own.example\n/etc/ssl/club.pem", "/etc/ssl/club.pem"},
    };
    for (const auto &c : cases) {
        write(program_, c.text);
        const ServerOfRun server = serverOfRun(program_);
        EXPECT_EQ(server.source, ServerSource::File) << c.text;
        EXPECT_EQ(server.authorityFile, c.authority) << c.text;
        EXPECT_EQ(WebClient(server).options().authorityFile, c.authority.string()) << c.text;
    }
}

TEST_F(ServerFileTest, AFileThatNamesNoServerLeavesNoAddressAtAll) {
    for (const std::string &text :
         {std::string("not a server!"), std::string(), std::string(2000, 'a')}) {
        write(program_, text);
        const ServerOfRun server = serverOfRun(program_);
        EXPECT_EQ(server.source, ServerSource::BadFile) << text.size();
        EXPECT_TRUE(server.addresses.accountService.empty());
        EXPECT_TRUE(server.addresses.remoteConfigPage.empty());
    }
    fs::remove(program_ / "Quarn.srv");
    fs::create_directory(program_ / "Quarn.srv"); // exists, cannot be read
    EXPECT_EQ(serverOfRun(program_).source, ServerSource::BadFile);
}

TEST_F(ServerFileTest, WithABadFileEveryRequestFailsAsWithAServerThatIsDown) {
    write(program_, "http://");
    WebClient client(serverOfRun(program_));
    WebServices web(client);
    StoredServicePaths stored{std::string(builtin::kWorldService),
                              std::string(builtin::kStatisticsService)};
    EXPECT_FALSE(web.StartOnline(stored).accountService);
    EXPECT_FALSE(web.LoginAccount("Ann", "pw12").ok);
    EXPECT_FALSE(web.ReadWorldList(kLocalGamesList).ok);
    EXPECT_FALSE(web.SendStart(1, 0));
    EXPECT_FALSE(web.FetchNews().ok);
    EXPECT_FALSE(web.DownloadPhoto("Ann").ok);
    EXPECT_TRUE(web.LookupExternalIp().empty());
}

// ---- the start ----------------------------------------------------------------

std::string configPage(const std::string &world, const std::string &account) {
    return "WTGamesPatt=" + Scramble(world, kConfigKey) +
           "#\nAccPath=" + Scramble(account, kAccountKey) + "#\nNewsQuarn5.3=Y#one#two#three#7#\n";
}

TEST(StartOnline, BuiltInServerTakesThePageThenTheStoredCopies) {
    ScriptedHttpServer server;
    Addresses addresses = Addresses::builtIn();
    addresses.remoteConfigPage = Scramble(server.base() + "/config.txt", kConfigKey);
    WebClient client(ServerOfRun{ServerSource::BuiltIn, {}, addresses, {}});
    server.answer(configPage("http://w.example/world.php", "http://a.example/acc.php"));
    StoredServicePaths stored{"", Scramble("http://stored/stat.php", kConfigKey)};

    const RemoteConfig remote = WebServices(client).StartOnline(stored);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].method, "GET");
    EXPECT_EQ(server.requests()[0].target, "/config.txt");
    EXPECT_TRUE(remote.showStartMessage);
    EXPECT_TRUE(client.remote().showStartMessage) << "kept for the windows";
    EXPECT_EQ(client.addresses().worldService, "http://w.example/world.php");
    EXPECT_EQ(client.addresses().statisticsService, "http://stored/stat.php");
    EXPECT_EQ(Unscramble(client.addresses().accountService, kAccountKey),
              "http://a.example/acc.php");
    EXPECT_EQ(stored.worldService, builtin::kWorldService) << "filled for the next start";
}

TEST(StartOnline, ServerFromTheFileKeepsItsOwnServicesUnlessThePageNamesOthers) {
    ScriptedHttpServer server;
    WebClient client(ServerOfRun{ServerSource::File, {}, Addresses::forServer(server.base()), {}});
    server.answer("NewsQuarn5.3=N#a#b#c#1#\nStatPath=" +
                  Scramble("http://s.example/stat.php", kConfigKey) + "#\n");
    StoredServicePaths stored{Scramble("http://stored/world.php", kConfigKey), ""};

    WebServices(client).StartOnline(stored);
    EXPECT_EQ(client.addresses().worldService, server.base() + "/world.php")
        << "the stored copies belong to the built-in server";
    EXPECT_EQ(client.addresses().statisticsService, "http://s.example/stat.php");
    EXPECT_EQ(Unscramble(client.addresses().accountService, kAccountKey),
              server.base() + "/acc.php");
    EXPECT_EQ(stored.worldService, Scramble("http://stored/world.php", kConfigKey));
}

TEST(StartOnline, ClosedPortGivesNoPageAndTheStoredAddresses) {
    const std::string base = "http://127.0.0.1:" + std::to_string(webtest::closedPort());
    Addresses addresses = Addresses::builtIn();
    addresses.remoteConfigPage = Scramble(base + "/config.txt", kConfigKey);
    WebClient client(ServerOfRun{ServerSource::BuiltIn, {}, addresses, {}});
    StoredServicePaths stored{std::string(builtin::kWorldService),
                              std::string(builtin::kStatisticsService)};

    const RemoteConfig remote = WebServices(client).StartOnline(stored);
    EXPECT_FALSE(remote.showStartMessage);
    EXPECT_FALSE(remote.worldPaused);
    EXPECT_FALSE(remote.accountService);
    EXPECT_EQ(client.addresses().worldService, "http://127.0.0.1:8046/world.php");
    EXPECT_EQ(client.addresses().accountService, builtin::kAccountService);
}

TEST(StartOnline, ServerThatTakesTheConnectionButNeverAnswersDoesNotHoldTheStart) {
    ScriptedHttpServer server;
    ScriptedReply stall;
    stall.kind = ScriptedReply::Kind::Stall;
    server.push(stall);
    WebClient client(ServerOfRun{ServerSource::File, {}, Addresses::forServer(server.base()), {}});
    StoredServicePaths stored;
    EXPECT_FALSE(WebServices(client).StartOnline(stored).showStartMessage);
    EXPECT_EQ(client.forms().readTimeout(), 0) << "the start's own client took the time-out";
}

// ---- one client for every request -------------------------------------------

TEST(SharedWebClient, CookiesAndTheReadTimeOutHoldAcrossRequestObjects) {
    ScriptedHttpServer server;
    WebClient client(ServerOfRun{ServerSource::File, {}, Addresses::forServer(server.base()), {}});
    ScriptedReply login;
    login.body = "$Omsk 1-001 Russia M a@b.c 01.01.2024 x x x 0 0 0$";
    login.headers = {"Set-Cookie: session=abc123; Path=/"};
    server.push(login);
    ASSERT_TRUE(WebServices(client).LoginAccount("Ann", "pw12").ok);

    server.answer("");
    WebServices(client).ReadWorldList(kLocalGamesList);
    server.answer("$5$");
    WebServices later(client);
    EXPECT_TRUE(later.ReadBalance("Ann").ok);
    EXPECT_EQ(later.sharedClient().readTimeout(), kReadTimeoutMs);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[2].header("Cookie"), "session=abc123");
}

} // namespace
