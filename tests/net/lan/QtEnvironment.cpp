// The socket and window tests share one QApplication for the whole run.
#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "net_lan_tests";
            static char *argv[] = {name, nullptr};
            app_ = std::make_unique<QApplication>(argc, argv);
        }
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment *const environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
