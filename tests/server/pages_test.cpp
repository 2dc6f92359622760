// Plain fetches: remote configuration, news, the caller's address, photos,
// downloads with the radio station list, songs and radio streams.
#include "ServiceFixture.h"

#include "server/Pages.h"
#include "web/Addresses.h"

#include <QDir>
#include <QFile>

using namespace servertest;

namespace {

class Pages : public testing::Test {
  protected:
    void SetUp() override {
        server = std::make_unique<RunningServer>();
        ASSERT_TRUE(server->ok()) << server->error().toStdString();
        client = std::make_unique<HttpClient>(server->baseUrl());
    }
    void put(const QString &relative, const QByteArray &content) {
        const QString path = QDir(server->dataDir()).filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    std::unique_ptr<RunningServer> server;
    std::unique_ptr<HttpClient> client;
};

TEST_F(Pages, TheDefaultConfigurationPausesNothingAndGivesTheLinks) {
    const HttpResult page = client->get("/config.txt");
    ASSERT_EQ(page.status, 200);
    // The program looks for the pause keys anywhere in the page.
    EXPECT_EQ(page.body.find("CTGamesPause"), std::string::npos);
    EXPECT_EQ(page.body.find("WTGamesPause"), std::string::npos);
    EXPECT_EQ(page.body.find("WTGamesPatt"), std::string::npos);
    EXPECT_NE(page.body.find("NewsQuarn5.3=N#"), std::string::npos);
    EXPECT_NE(
        page.body.find("DownLoad_Link_Quarn=" + server->baseUrl() + "/downloads/progr/cards/#"),
        std::string::npos);
    // A club's own page replaces it as it stands.
    put(QStringLiteral("config.txt"), "CTGamesPause\n");
    EXPECT_EQ(client->get("/config.txt").body, "CTGamesPause\n");
}

TEST_F(Pages, NewsCarriesItsNumberAndTheAddressPageTheCaller) {
    EXPECT_NE(client->get("/news.html").body.find("WemNews00001"), std::string::npos);
    put(QStringLiteral("news.html"), "<p>WemNews00042</p>");
    EXPECT_EQ(client->get("/news.html").body, "<p>WemNews00042</p>");
    EXPECT_EQ(client->get("/get_ip.php").body, "127.0.0.1");
}

TEST_F(Pages, TheRouterHelpIsWhereTheWelcomeWindowLooksForIt) {
    // The welcome window's "?" opens the maker's site + "router.html".
    const std::string site = web::Addresses::forServer(server->baseUrl()).makerSiteUrl();
    ASSERT_EQ(site.rfind(server->baseUrl(), 0), 0u) << site;
    const HttpResult page = client->get(site.substr(server->baseUrl().size()) + "router.html");
    ASSERT_EQ(page.status, 200);
    for (const char *fact : {"25666", "TCP", "Port forwarding", "Enter Port of server:",
                             "To receive the IP-addresses", "Client enters to game"})
        EXPECT_NE(page.body.find(fact), std::string::npos) << fact;
    put(QStringLiteral("router.html"), "<p>Ask the club's admin.</p>");
    EXPECT_EQ(client->get("/router.html").body, "<p>Ask the club's admin.</p>");
}

TEST_F(Pages, PhotosAreServedOnlyAsJpegPicturesOfValidNicks) {
    put(QStringLiteral("ftp/photos/Ann.jpg"), QByteArray("\xFF\xD8\xFF\xE0jpeg", 8));
    put(QStringLiteral("ftp/photos/Bob.jpg"), "<html>not a picture</html>");
    put(QStringLiteral("wem-secret.jpg"), QByteArray("\xFF\xD8\xFF\xE0", 4));
    const HttpResult ann = client->get("/photos/Ann.jpg");
    EXPECT_EQ(ann.status, 200);
    EXPECT_EQ(ann.body, std::string("\xFF\xD8\xFF\xE0jpeg", 8));
    for (const char *path : {"/photos/Bob.jpg", "/photos/Cid.jpg", "/photos/../wem-secret.jpg",
                             "/photos/%2E%2E%2Fwem-secret.jpg", "/photos/Ann.png", "/photos/"})
        EXPECT_EQ(client->get(path).status, 404) << path;
}

TEST_F(Pages, DownloadsComeFromTheDataFolderAndNeverFromOutsideIt) {
    put(QStringLiteral("downloads/WemCards06A.dll"), "library bytes");
    EXPECT_EQ(client->get("/downloads/progr/cards/WemCards06A.dll").body, "library bytes");
    for (const char *path :
         {"/downloads/progr/cards/WemCards06B.dll", "/downloads/progr/cards/../../wem.sqlite",
          "/downloads/progr/cards/%2E%2E%2F%2E%2E%2Fwem.sqlite", "/downloads/progr/cards/.hidden",
          "/downloads/progr/cards/"})
        EXPECT_EQ(client->get(path).status, 404) << path;
}

TEST_F(Pages, TheStationListNamesStreamsThatPlay) {
    const HttpResult list = client->get("/downloads/progr/cards/WemRadio.rad");
    ASSERT_EQ(list.status, 200);
    int stations = 0;
    std::string firstUrl;
    size_t start = 0;
    while (start < list.body.size()) {
        const size_t end = list.body.find("\r\n", start);
        const std::string line = list.body.substr(start, end - start);
        start = end + 2;
        if (line.empty() || line[0] == '#')
            continue;
        ++stations;
        // code (3), "#", identifier (7), then name, country, address, logo after "#".
        ASSERT_GE(line.size(), 12u) << line;
        EXPECT_EQ(line[3], '#');
        EXPECT_EQ(line[11], '#');
        const size_t address = line.find("#http://");
        ASSERT_NE(address, std::string::npos) << line;
        if (firstUrl.empty())
            firstUrl = line.substr(address + 1, line.find('#', address + 1) - address - 1);
    }
    EXPECT_GE(stations, 5);
    ASSERT_EQ(firstUrl.rfind(server->baseUrl(), 0), 0u) << firstUrl;
    const HttpResult stream = client->get(firstUrl.substr(server->baseUrl().size()), 50000);
    EXPECT_EQ(stream.status, 200);
    ASSERT_GE(stream.body.size(), 44u);
    EXPECT_EQ(stream.body.substr(0, 4), "RIFF");
    EXPECT_EQ(stream.body.substr(8, 4), "WAVE");
    EXPECT_EQ(client->get("/radio/NOSUCH1").status, 404);
}

TEST_F(Pages, TheSongListHasEnoughSongsForThePlayerAndEachPlays) {
    const HttpResult list = client->get("/musik/_playlist.html");
    ASSERT_EQ(list.status, 200);
    std::vector<std::string> songs;
    size_t start = 0;
    while (start < list.body.size()) {
        const size_t end = list.body.find("\r\n", start);
        songs.push_back(list.body.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_GT(songs.size(), 4u); // the player is used only with more than four
    for (const std::string &song : songs) {
        EXPECT_NE(song.find('~'), std::string::npos) << song;
        EXPECT_EQ(song.substr(song.size() - 4), ".mp3");
        EXPECT_EQ(song.find(' '), std::string::npos);
    }
    const HttpResult first = client->get("/musik/" + songs[0]);
    EXPECT_EQ(first.status, 200);
    EXPECT_EQ(first.body.substr(0, 4), "RIFF");
    EXPECT_EQ(client->get("/musik/Nobody~Nothing.mp3").status, 404);
    // A club's own songs replace the generated ones.
    put(QStringLiteral("musik/Real_Band~Real_Song.mp3"), "ID3 mp3 bytes");
    EXPECT_EQ(client->get("/musik/_playlist.html").body, "Real_Band~Real_Song.mp3\r\n");
    EXPECT_EQ(client->get("/musik/Real_Band~Real_Song.mp3").body, "ID3 mp3 bytes");
}

TEST(PageNames, OnlyPlainFileNamesAreServed) {
    for (const char *ok : {"WemCards06A.dll", "WemRadio.rad", "Artist~Title.mp3", "a-b_c.txt"})
        EXPECT_TRUE(server::Pages::isPlainFileName(QString::fromLatin1(ok))) << ok;
    for (const char *bad : {"", ".hidden", "../x", "a/b", "a..b", "a b", "a\\b", "x%2F"})
        EXPECT_FALSE(server::Pages::isPlainFileName(QString::fromLatin1(bad))) << bad;
}

} // namespace
