// The window tests need one QApplication for the whole run.
#include "match/Ask.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
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

// Qt and fontconfig keep caches alive until exit; the window tests do not ask
// the leak checker about them (the test environment's setting may not reach
// every discovered test).
extern "C" const char *__asan_default_options() { return "detect_leaks=0"; }
