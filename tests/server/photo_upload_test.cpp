// The photo upload: vsftpd configured by server/photo-ftp takes the program's
// upload account, stores photos/<nick>.jpg, and the server serves it.
#include "ServerHarness.h"

#include "web/WebServices.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>
#include <QThread>

#include <curl/curl.h>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace servertest;

namespace {

class PhotoUpload : public testing::Test {
  protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "the FTP server needs root (PAM login, then the ftp user)";
        if (!QFileInfo(QStringLiteral("/usr/sbin/vsftpd")).isExecutable())
            GTEST_SKIP() << "vsftpd is not installed (scripts/setup installs it)";
        server = std::make_unique<RunningServer>();
        ASSERT_TRUE(server->ok()) << server->error().toStdString();
        ftpPort = freePort();
        const quint16 passive = freePortBlock(20);
        ftp.setProcessChannelMode(QProcess::MergedChannels);
        ftp.start(QStringLiteral(QUARN_PHOTO_FTP),
                  {QStringLiteral("--data"), server->dataDir(), QStringLiteral("--port"),
                   QString::number(ftpPort), QStringLiteral("--pasv-min"),
                   QString::number(passive + 1), QStringLiteral("--pasv-max"),
                   QString::number(passive + 20)});
        ASSERT_TRUE(ftp.waitForStarted());
        for (int attempt = 0; attempt < 100; ++attempt) {
            GameClient probe(ftpPort); // any TCP connection tells that it listens
            if (probe.connected())
                return;
            if (ftp.state() == QProcess::NotRunning)
                break;
            QThread::msleep(100);
        }
        FAIL() << "vsftpd did not start: " << ftp.readAll().toStdString();
    }
    void TearDown() override {
        if (ftp.state() != QProcess::NotRunning) {
            ftp.terminate();
            if (!ftp.waitForFinished(5000))
                ftp.kill();
        }
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
    QProcess ftp;
    quint16 ftpPort = 0;
};

TEST_F(PhotoUpload, TheProgramsAccountStoresAPhotoThatTheServerServes) {
    const QByteArray jpeg("\xFF\xD8\xFF\xE0"
                          "a tiny photo",
                          16);
    ASSERT_EQ(upload("wemphoto", "Ph0toWem46", "photos/Ann.jpg", jpeg), CURLE_OK);
    HttpClient client(server->baseUrl());
    EXPECT_EQ(client.get("/photos/Ann.jpg").body, jpeg.toStdString());
    // A new photo replaces the old one.
    const QByteArray newer("\xFF\xD8\xFF\xE1"
                           "a newer photo",
                           17);
    ASSERT_EQ(upload("wemphoto", "Ph0toWem46", "photos/Ann.jpg", newer), CURLE_OK);
    EXPECT_EQ(client.get("/photos/Ann.jpg").body, newer.toStdString());
}

TEST_F(PhotoUpload, TheProgramsRequestLayerUploadsAndFetchesThePhoto) {
    web::WebServices program(web::Addresses::forServer(server->baseUrl(), ftpPort));
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    const QByteArray jpeg("\xFF\xD8\xFF\xE0"
                          "from the program",
                          20);
    file.write(jpeg);
    file.flush();
    ASSERT_TRUE(program.UploadPhoto(file.fileName().toStdString(), "Ann"));
    const auto photo = program.DownloadPhoto("Ann");
    ASSERT_TRUE(photo.ok);
    EXPECT_EQ(photo.value, jpeg.toStdString());
}

TEST_F(PhotoUpload, NothingElseCanBeWritten) {
    const QByteArray jpeg("\xFF\xD8\xFF\xE0", 4);
    EXPECT_NE(upload("wemphoto", "wrong", "photos/Bob.jpg", jpeg), CURLE_OK);
    EXPECT_NE(upload("anonymous", "", "photos/Bob.jpg", jpeg), CURLE_OK);
    EXPECT_NE(upload("wemphoto", "Ph0toWem46", "wem.sqlite", jpeg), CURLE_OK);
    EXPECT_NE(upload("wemphoto", "Ph0toWem46", "../wem.sqlite", jpeg), CURLE_OK);
    EXPECT_FALSE(QFileInfo::exists(server->dataDir() + QStringLiteral("/ftp/photos/Bob.jpg")));
    DirectDb db(server->databaseUrl(), server->dataDir()); // the database is untouched and readable
    EXPECT_EQ(db.number(QStringLiteral("SELECT COUNT(*) FROM accounts")), 0);
}

} // namespace
