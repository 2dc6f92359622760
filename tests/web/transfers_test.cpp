// Plain fetches, photos, resource downloads and the photo upload.
#include "ScriptedServers.h"

#include "web/Scramble.h"
#include "web/WebServices.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using namespace web;
using webtest::ScriptedHttpServer;
using webtest::ScriptedReply;
namespace fs = std::filesystem;

const std::string kJpeg = std::string("\xFF\xD8\xFF\xE0", 4) + "JFIF-ish bytes";

std::string readFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Transfers : public testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("quarn-web-" + std::to_string(::getpid()) + "-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const auto &e : fs::directory_iterator(folder))
            names.push_back(e.path().filename());
        return names;
    }

    ScriptedHttpServer server;
    WebServices web{Addresses::forServer(server.base())};
    fs::path folder;
};

TEST_F(Transfers, PlainFetchesUseTheirPagesWithoutTheToken) {
    server.answer("AccPath=" + Scramble("http://other/acc.php", kAccountKey) + "#CTGamesPause");
    const RemoteConfig config = web.LoadRemoteConfig();
    EXPECT_TRUE(config.chatPaused);
    ASSERT_TRUE(config.accountService.has_value());
    EXPECT_EQ(Unscramble(*config.accountService, kAccountKey), "http://other/acc.php");

    server.answer("<p>WemNews00042</p>");
    const auto news = web.FetchNews();
    EXPECT_TRUE(news.ok);
    EXPECT_EQ(news.value, "<p>WemNews00042</p>");

    server.answer("Artist~Song.mp3\n");
    EXPECT_EQ(web.FetchSongList().value, "Artist~Song.mp3\n");

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    const char *paths[] = {"/config.txt", "/news.html", "/musik/_playlist.html"};
    for (size_t i = 0; i < requests.size(); ++i) {
        SCOPED_TRACE(paths[i]);
        EXPECT_EQ(requests[i].method, "GET");
        EXPECT_EQ(requests[i].target, paths[i]);
        EXPECT_FALSE(requests[i].hasHeader("User-Agent"));
    }
}

TEST_F(Transfers, UnreachableConfigurationPageChangesNothing) {
    server.answer("AccPath=xyz#CTGamesPause", 500);
    const RemoteConfig config = web.LoadRemoteConfig();
    EXPECT_FALSE(config.chatPaused);
    EXPECT_FALSE(config.accountService.has_value());
}

TEST_F(Transfers, ExternalAddress) {
    const struct {
        std::string page;
        int status;
        std::string address;
    } cases[] = {
        {"203.0.113.5", 200, "203.0.113.5"}, {"  203.0.113.5\r\n", 200, "203.0.113.5"},
        {"2001:db8::1", 200, "2001:db8::1"}, {"<html>error</html>", 200, ""},
        {"1.2.3.4 5.6.7.8", 200, ""},        {"203.0.113.5", 404, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.page);
        server.answer(c.page, c.status);
        EXPECT_EQ(web.LookupExternalIp(), c.address);
    }
    EXPECT_EQ(server.requests().back().target, "/get_ip.php");
}

TEST_F(Transfers, DownloadPhoto) {
    server.answer(kJpeg);
    const auto photo = web.DownloadPhoto("Ann");
    EXPECT_TRUE(photo.ok);
    EXPECT_EQ(photo.value, kJpeg);
    EXPECT_EQ(server.requests().back().target, "/photos/Ann.jpg");
    EXPECT_FALSE(server.requests().back().hasHeader("User-Agent"));

    server.answer(kJpeg);
    web.DownloadPhoto("a(b)!");
    EXPECT_EQ(server.requests().back().target, "/photos/a%28b%29%21.jpg");

    server.answer("<html>not found</html>");
    EXPECT_FALSE(web.DownloadPhoto("Ann").ok);
    server.answer(kJpeg, 404);
    EXPECT_FALSE(web.DownloadPhoto("Ann").ok);
    EXPECT_FALSE(web.DownloadPhoto("").ok);
}

TEST_F(Transfers, DownloadedLibraryAppearsWhole) {
    const std::string library(100000, 'L');
    server.answer(library);
    EXPECT_TRUE(web.DownloadResource("WemCards06A.dll", folder.string()));
    EXPECT_EQ(server.requests().back().target, "/downloads/progr/cards/WemCards06A.dll");
    EXPECT_EQ(readFile(folder / "WemCards06A.dll"), library);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"WemCards06A.dll"});

    server.answer("stations");
    EXPECT_TRUE(web.DownloadResource("WemRadio.rad", folder.string(), "WemRadio.ser"));
    EXPECT_EQ(readFile(folder / "WemRadio.ser"), "stations");
}

TEST_F(Transfers, LibraryGoesToTheFolderAboveTheProgram) {
    fs::create_directories(folder / "Quarn");
    for (const std::string &program : {(folder / "Quarn").string(), (folder / "Quarn/").string()}) {
        SCOPED_TRACE(program);
        server.answer("library");
        ASSERT_TRUE(web.DownloadLibrary("WemCGraph1.dll", program));
        EXPECT_EQ(readFile(folder / "WemCGraph1.dll"), "library");
        EXPECT_FALSE(fs::exists(folder / "Quarn" / "WemCGraph1.dll"));
        fs::remove(folder / "WemCGraph1.dll");
    }
}

TEST_F(Transfers, FailedDownloadLeavesTheFolderAsItWas) {
    std::ofstream(folder / "WemRadio.ser") << "old list";
    ScriptedReply cut;
    cut.kind = ScriptedReply::Kind::Truncate;
    cut.body = "half a list";
    ScriptedReply closed;
    closed.kind = ScriptedReply::Kind::Close;
    ScriptedReply missing;
    missing.status = 404;
    missing.body = "not here";
    for (const auto &reply : {cut, closed, missing}) {
        server.push(reply);
        EXPECT_FALSE(web.DownloadResource("WemRadio.rad", folder.string(), "WemRadio.ser"));
        EXPECT_EQ(readFile(folder / "WemRadio.ser"), "old list");
        EXPECT_EQ(folderEntries(), std::vector<std::string>{"WemRadio.ser"});
    }
    EXPECT_FALSE(web.DownloadResource("WemCards06A.dll", (folder / "missing").string()));
}

TEST_F(Transfers, DownloadNamesStayInTheirFolder) {
    for (const char *name : {"", ".", "..", "../WemCards06A.dll", "a/b.dll", "a\\b.dll"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(web.DownloadResource(name, folder.string()));
        EXPECT_FALSE(
            web.DownloadResource("WemCards06A.dll", folder.string(), name[0] ? name : "."));
    }
    EXPECT_TRUE(server.requests().empty());
    EXPECT_TRUE(folderEntries().empty());
}

class Upload : public Transfers {
  protected:
    Upload() { writePhoto(kJpeg); }
    ~Upload() override { fs::remove(photo); }
    void writePhoto(const std::string &bytes) {
        std::ofstream(photo, std::ios::binary | std::ios::trunc) << bytes;
    }
    fs::path photo = fs::temp_directory_path() / ("quarn-photo-" + std::to_string(::getpid()));
};

TEST_F(Upload, PostsThePictureToTheAccountServiceOnTheSession) {
    server.answer("$ok$");
    ASSERT_TRUE(web.UploadPhoto(photo.string(), "Ann"));
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_EQ(requests[0].target, "/acc.php");
    EXPECT_EQ(requests[0].header("Content-Type"), "image/jpeg");
    EXPECT_EQ(requests[0].header("User-Agent"), std::string(kAccessToken));
    EXPECT_EQ(requests[0].body, kJpeg); // the picture only: the session names the nick
}

TEST_F(Upload, RefusalsAndBadPicturesAreFailures) {
    server.answer("$no$ error: log in first", 403);
    EXPECT_FALSE(web.UploadPhoto(photo.string(), "Ann"));
    server.answer("$no$ not a photo");
    EXPECT_FALSE(web.UploadPhoto(photo.string(), "Ann"));
    const size_t asked = server.requests().size();
    // Nothing is sent for a missing file, no nick, or a file that is no
    // JPEG picture or too large for a photo.
    EXPECT_FALSE(web.UploadPhoto((folder / "no-such.jpg").string(), "Ann"));
    EXPECT_FALSE(web.UploadPhoto(photo.string(), ""));
    for (const std::string &bytes :
         {std::string("GIF89a..."), std::string(), kJpeg + std::string(kMaxPhotoBytes, 'x')}) {
        writePhoto(bytes);
        EXPECT_FALSE(web.UploadPhoto(photo.string(), "Ann")) << bytes.size();
    }
    EXPECT_EQ(server.requests().size(), asked);
}

} // namespace
