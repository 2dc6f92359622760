// The window tests need one QApplication for the whole run.
#include "match/Ask.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "match_tests";
        static char *argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        quarn::Ask::setQuiet(true);
    }

  private:
    QApplication *app_ = nullptr;
};

const auto *const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
