// The photo upload: the program posts the picture to the account service on
// its login session, and the server stores it as that session's nick's photo
// and serves it. Nobody can write another nick's photo, or anything else.
#include "ServerHarness.h"
#include "tests/server/TestMember.h"

#include "server/HttpWire.h"
#include "web/HttpClient.h"
#include "web/WebServices.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <gtest/gtest.h>

using namespace servertest;

namespace {

const QByteArray kJpeg("\xFF\xD8\xFF\xE0"
                       "a tiny photo\xFF\xD9",
                       18);

class PhotoUpload : public testing::Test {
  protected:
    void SetUp() override {
        server = std::make_unique<RunningServer>();
        ASSERT_TRUE(server->ok()) << server->error().toStdString();
    }
    // A program with a registered account, logged in on its own client.
    std::unique_ptr<web::WebServices> loggedIn(const std::string &nick) {
        auto program =
            std::make_unique<web::WebServices>(web::Addresses::forServer(server->baseUrl()));
        EXPECT_EQ(program->RegisterAccount(testMember({.nick = nick})), web::kRegistered);
        EXPECT_TRUE(program->LoginAccount(nick, "secret1").ok);
        return program;
    }
    bool upload(web::WebServices &program, const QByteArray &picture, const std::string &nick) {
        QTemporaryFile file;
        file.open();
        file.write(picture);
        file.flush();
        return program.UploadPhoto(file.fileName().toStdString(), nick);
    }
    // A post of raw picture bytes to the account service, without the program's checks.
    long rawPost(const QByteArray &picture, std::string_view agent = web::kAccessToken,
                 std::string_view contentType = web::kPhotoContentType) {
        web::HttpClient client;
        return client
            .post(server->baseUrl() + "/acc.php", picture.toStdString(), agent, contentType)
            .status;
    }
    std::string served(const std::string &nick) {
        HttpClient client(server->baseUrl());
        const HttpResult result = client.get("/photos/" + nick + ".jpg");
        return result.status == 200 ? result.body : std::string();
    }
    bool stored(const char *nick) const {
        return QFileInfo::exists(server->dataDir() + "/ftp/photos/" + nick + ".jpg");
    }
    std::unique_ptr<RunningServer> server;
};

TEST_F(PhotoUpload, TheSessionsNickGetsThePhotoAndANewOneReplacesIt) {
    auto ann = loggedIn("Ann");
    ASSERT_TRUE(upload(*ann, kJpeg, "Ann"));
    EXPECT_EQ(served("Ann"), kJpeg.toStdString());
    const auto photo = ann->DownloadPhoto("Ann"); // as the account window reads it
    ASSERT_TRUE(photo.ok);
    EXPECT_EQ(photo.value, kJpeg.toStdString());

    const QByteArray newer("\xFF\xD8\xFF\xE1newer\xFF\xD9", 11);
    ASSERT_TRUE(upload(*ann, newer, "Ann"));
    EXPECT_EQ(served("Ann"), newer.toStdString());
}

TEST_F(PhotoUpload, AnotherNicksPhotoCannotBeReplaced) {
    auto bob = loggedIn("Bob");
    ASSERT_TRUE(upload(*bob, kJpeg, "Bob"));
    // Ann names Bob, but her session is hers: the picture becomes her photo.
    auto ann = loggedIn("Ann");
    const QByteArray forged("\xFF\xD8\xFF\xE0forged\xFF\xD9", 12);
    ASSERT_TRUE(upload(*ann, forged, "Bob"));
    EXPECT_EQ(served("Bob"), kJpeg.toStdString());
    EXPECT_EQ(served("Ann"), forged.toStdString());
}

TEST_F(PhotoUpload, RefusedUploadsStoreNothing) {
    // Without a session, without the access token, or not a photo.
    EXPECT_EQ(rawPost(kJpeg), 403);
    EXPECT_EQ(rawPost(kJpeg, "curl/8"), 403);
    // A request beyond a photo's room is cut off before it is read whole.
    EXPECT_EQ(rawPost(QByteArray(server::kMaxPhotoRequestBytes + 1, '\xFF')), 413);
    auto ann = loggedIn("Ann");
    QByteArray huge("\xFF\xD8\xFF\xE0", 4);
    huge.append(server::kMaxPhotoBytes, 'x');
    for (const QByteArray &bad : {huge, QByteArray("<html>a page</html>"), QByteArray()}) {
        SCOPED_TRACE(bad.size());
        web::HttpClient &sameSession = ann->sharedClient();
        EXPECT_EQ(sameSession
                      .post(server->baseUrl() + "/acc.php", bad.toStdString(), web::kAccessToken,
                            web::kPhotoContentType)
                      .status,
                  400);
    }
    EXPECT_FALSE(stored("Ann"));
    // The honest upload still works afterwards; a refused one keeps it.
    ASSERT_TRUE(upload(*ann, kJpeg, "Ann"));
    EXPECT_EQ(ann->sharedClient()
                  .post(server->baseUrl() + "/acc.php", "not a photo", web::kAccessToken,
                        web::kPhotoContentType)
                  .status,
              400);
    EXPECT_EQ(served("Ann"), kJpeg.toStdString());
}

TEST_F(PhotoUpload, TheConfigurationPageNamesNoUploadPassword) {
    HttpClient client(server->baseUrl());
    const HttpResult page = client.get("/config.txt");
    ASSERT_EQ(page.status, 200);
    EXPECT_EQ(page.body.find("PhotoUpload"), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(server->dataDir() + "/ftp-password"));
}

} // namespace
