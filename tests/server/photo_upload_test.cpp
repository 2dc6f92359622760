// The photo upload: vsftpd configured by server/photo-ftp takes the program's
// upload account, stores photos/<nick>.jpg, and the server serves it.
#include "ServerHarness.h"

#include "web/Scramble.h"
#include "web/WebServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QThread>

#include <curl/curl.h>
#include <gtest/gtest.h>

using namespace servertest;

namespace {

class PhotoUpload : public testing::Test {
  protected:
    void SetUp() override {
        const QString why = PhotoFtp::unavailable();
        if (!why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        server = std::make_unique<RunningServer>();
        ASSERT_TRUE(server->ok()) << server->error().toStdString();
        ASSERT_TRUE(ftp.start(QStringLiteral(QUARN_PHOTO_FTP), server->dataDir()))
            << "vsftpd did not start: " << ftp.output().toStdString();
        ftpPort = ftp.port();
    }
    // This installation's password, made by the server at its first start.
    std::string password() const { return photoFtpPassword(*server); }
    // What the server serves as the nick's photo once the upload was checked.
    bool served(const std::string &nick, const QByteArray &content) {
        HttpClient client(server->baseUrl());
        for (int attempt = 0; attempt < 100; ++attempt) {
            if (client.get("/photos/" + nick + ".jpg").body == content.toStdString())
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    // True when the incoming folder has been emptied by the check.
    bool incomingEmpty() {
        const QDir incoming(server->dataDir() + QStringLiteral("/ftp-incoming/photos"));
        for (int attempt = 0; attempt < 100; ++attempt) {
            if (incoming.entryList(QDir::Files | QDir::Hidden).isEmpty())
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    long upload(const std::string &user, const std::string &password, const std::string &path,
                const QByteArray &content) {
        QTemporaryFile file;
        file.open();
        file.write(content);
        file.flush();
        FILE *source = std::fopen(file.fileName().toLocal8Bit().constData(), "rb");
        CURL *curl = curl_easy_init();
        const std::string url = "ftp://127.0.0.1:" + std::to_string(ftpPort) + "/" + path;
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.c_str());
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READDATA, source);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(content.size()));
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, 20L);
        const CURLcode code = curl_easy_perform(curl);
        curl_easy_cleanup(curl);
        std::fclose(source);
        return code;
    }
    std::unique_ptr<RunningServer> server;
    PhotoFtp ftp;
    quint16 ftpPort = 0;
};

TEST_F(PhotoUpload, TheProgramsAccountStoresAPhotoThatTheServerServes) {
    const QByteArray jpeg("\xFF\xD8\xFF\xE0"
                          "a tiny photo\xFF\xD9",
                          18);
    ASSERT_EQ(upload("wemphoto", password(), "photos/Ann.jpg", jpeg), CURLE_OK);
    EXPECT_TRUE(served("Ann", jpeg));
    // A new photo replaces the old one.
    const QByteArray newer("\xFF\xD8\xFF\xE1"
                           "a newer photo\xFF\xD9",
                           19);
    ASSERT_EQ(upload("wemphoto", password(), "photos/Ann.jpg", newer), CURLE_OK);
    EXPECT_TRUE(served("Ann", newer));
}

TEST_F(PhotoUpload, OversizedUploadsAndOtherFilesAreRefusedAndNothingIsKept) {
    QByteArray huge("\xFF\xD8\xFF\xE0", 4);
    huge.append(4 * 1024 * 1024, 'x');
    huge.append("\xFF\xD9");
    EXPECT_NE(upload("wemphoto", password(), "photos/Big.jpg", huge), CURLE_OK);
    ASSERT_EQ(upload("wemphoto", password(), "photos/Page.jpg", "<html>a page</html>"), CURLE_OK);
    ASSERT_EQ(upload("wemphoto", password(), "photos/Cut.jpg", QByteArray("\xFF\xD8\xFF\xE0", 4)),
              CURLE_OK);
    EXPECT_TRUE(incomingEmpty());
    for (const char *nick : {"Big", "Page", "Cut"})
        EXPECT_FALSE(QFileInfo::exists(server->dataDir() + "/ftp/photos/" + nick + ".jpg")) << nick;
    // The account still works afterwards.
    const QByteArray jpeg("\xFF\xD8\xFF\xE0ok\xFF\xD9", 8);
    ASSERT_EQ(upload("wemphoto", password(), "photos/Fit.jpg", jpeg), CURLE_OK);
    EXPECT_TRUE(served("Fit", jpeg));
}

TEST_F(PhotoUpload, TheProgramsRequestLayerUploadsAndFetchesThePhoto) {
    web::Addresses addresses = web::Addresses::forServer(server->baseUrl(), ftpPort);
    // What the program reads from the configuration page, kept scrambled like the built-in one.
    addresses.upload.password = web::Scramble(password(), web::kAccountKey);
    web::WebServices program(addresses);
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    const QByteArray jpeg("\xFF\xD8\xFF\xE0"
                          "from the program\xFF\xD9",
                          22);
    file.write(jpeg);
    file.flush();
    ASSERT_TRUE(program.UploadPhoto(file.fileName().toStdString(), "Ann"));
    ASSERT_TRUE(served("Ann", jpeg));
    const auto photo = program.DownloadPhoto("Ann");
    ASSERT_TRUE(photo.ok);
    EXPECT_EQ(photo.value, jpeg.toStdString());
}

TEST_F(PhotoUpload, NothingElseCanBeWritten) {
    const QByteArray jpeg("\xFF\xD8\xFF\xE0\xFF\xD9", 6);
    EXPECT_NE(upload("wemphoto", "wrong", "photos/Bob.jpg", jpeg), CURLE_OK);
    EXPECT_NE(upload("wemphoto", "Ph0toWem46", "photos/Bob.jpg", jpeg),
              CURLE_OK); // the old fixed one
    EXPECT_NE(upload("anonymous", "", "photos/Bob.jpg", jpeg), CURLE_OK);
    EXPECT_NE(upload("wemphoto", password(), "wem.sqlite", jpeg), CURLE_OK);
    EXPECT_NE(upload("wemphoto", password(), "../wem.sqlite", jpeg), CURLE_OK);
    EXPECT_FALSE(QFileInfo::exists(server->dataDir() + QStringLiteral("/ftp/photos/Bob.jpg")));
    DirectDb db(server->databaseUrl(), server->dataDir()); // the database is untouched and readable
    EXPECT_EQ(db.number(QStringLiteral("SELECT COUNT(*) FROM accounts")), 0);
}

} // namespace
