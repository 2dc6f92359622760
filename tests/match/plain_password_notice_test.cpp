// The start of the window tells the player once per club server that its
// passwords would cross the network readable (plain HTTP to another machine).
#include "WindowFixture.h"

#include <fstream>

namespace quarn::testing {
namespace {

class PlainPasswordStart : public WindowTest {
  protected:
    // The program's folder one level down, so the folder above (where the
    // notice is remembered) is the test's own.
    void SetUp() override {
        WindowTest::SetUp();
        program_ = folder_ / "Quarn";
        std::filesystem::create_directories(program_);
        for (const char *name : {"Quarn.clb", "Quarn.net"})
            std::filesystem::copy_file(folder_ / name, program_ / name);
        ASSERT_TRUE(saveSettings(program_, quickSettings()).ok);
    }
    // Starts a window against the server `line` names, waits for its start's
    // requests and closes it again; the texts it showed.
    QStringList startAgainst(const std::string &line) {
        std::ofstream(program_ / "Quarn.srv") << line << "\n";
        Ask::clearAsked();
        form_ = std::make_unique<TForm1>(QString::fromStdString(program_.string()) + '/');
        form_->setSoundDevice(&sound_);
        form_->setAuxiliaryWindows(&windows_);
        form_->show();
        EXPECT_TRUE(form_->startUp());
        EXPECT_TRUE(form_->awaitRequests());
        form_->setAttribute(Qt::WA_DeleteOnClose, false);
        form_.reset();
        return Ask::asked().filter(QStringLiteral("plain HTTP"));
    }
    std::filesystem::path program_;
};

TEST_F(PlainPasswordStart, ThePlayerIsToldOncePerServer) {
    // IPv4-mapped loopback: by its text another machine, yet nothing leaves
    // this one (port 9 refuses at once).
    const std::string plain = "http://[::ffff:127.0.0.1]:9";
    EXPECT_EQ(startAgainst(plain).size(), 1);
    EXPECT_TRUE(std::filesystem::exists(folder_ / "WemPlainHttp.txt"));
    EXPECT_TRUE(startAgainst(plain).isEmpty()) << "told already";
    EXPECT_EQ(startAgainst("http://[::ffff:127.0.0.1]:10").size(), 1) << "another server";
    EXPECT_TRUE(startAgainst("https://[::ffff:127.0.0.1]:11").isEmpty());
    EXPECT_TRUE(startAgainst("127.0.0.1:9").isEmpty());
}

} // namespace
} // namespace quarn::testing
