// The window tests need one QApplication for the whole run, with the fonts
// the settings name mapped onto fonts a Debian system has.
#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "radio_view_tests";
        static char *argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                                   {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    }

  private:
    QApplication *app_ = nullptr;
};

const auto *const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
