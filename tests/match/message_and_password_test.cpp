// The message window's size and link rule, and the entry checks of the
// name-and-password window.
#include "QtPrint.h"
#include "match/Ask.h"
#include "match/TFormMessage.h"
#include "match/TFormPassword.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace quarn;

namespace {

// Types a text into a line; letters outside ASCII go in as a keyboard layout
// would put them (the test library types ASCII only).
void typeInto(QLineEdit *edit, const QString &text) {
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(edit, c.toLatin1());
        else
            edit->insert(QString(c));
    }
}

TEST(MessageWindow, WidthFollowsWidestLineWithMinimum) {
    const struct {
        int widest;
        int width;
    } cases[] = {{100, 400}, {279, 400}, {280, 350}, {500, 570}};
    for (const auto &c : cases)
        EXPECT_EQ(TFormMessage::windowWidth(c.widest), c.width) << c.widest;
}

TEST(MessageWindow, OpensOnlyWebAddresses) {
    const struct {
        const char *text;
        bool openable;
    } cases[] = {
        {"http://127.0.0.1/downloads/progr/cards/WemCards06A.dll", true},
        {"https://example.org/x", true},
        {"file:///etc/passwd", false},
        {"/usr/bin/xterm", false},
        {"javascript:alert(1)", false},
        {"", false},
        {"http://", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TFormMessage::isOpenableLink(QString::fromUtf8(c.text)), c.openable) << c.text;
}

TEST(MessageWindow, ShowsAtMostThreeLinesAndClosesWithOk) {
    TFormMessage form({QStringLiteral("Can`t find the file WemCards06A.dll"), QStringLiteral("two"),
                       QStringLiteral("http://127.0.0.1/"), QStringLiteral("four")});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Attention"));
    EXPECT_NE(form.findChild<QWidget *>(QStringLiteral("Line3")), nullptr);
    EXPECT_EQ(form.findChild<QWidget *>(QStringLiteral("Line4")), nullptr);
    for (const char *line : {"Line1", "Line2", "Line3"})
        EXPECT_EQ(form.findChild<QLabel *>(QString::fromLatin1(line))->textFormat(), Qt::PlainText)
            << line;
    form.show();
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("ButtonOk")), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

struct EntryCase {
    const char *name;
    TFormPassword::Form form;
    QString stored;
    QString typedName;
    QString password;
    QString password2;
    std::optional<WordEntry> problem;
};

class PasswordEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(PasswordEntryTest, ChecksTheEntry) {
    const EntryCase &c = GetParam();
    TFormPassword form(c.form, QStringLiteral("Anna"), c.stored, false);
    auto *name = form.findChild<QLineEdit *>(QStringLiteral("EditName"));
    if (c.form == TFormPassword::Form::NewPlayer) {
        name->clear();
        typeInto(name, c.typedName);
        typeInto(form.findChild<QLineEdit *>(QStringLiteral("EditPassword2")), c.password2);
    }
    typeInto(form.findChild<QLineEdit *>(QStringLiteral("EditPassword")), c.password);
    EXPECT_EQ(form.entryProblem(), c.problem);

    Ask::clearAsked();
    form.show();
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("ButtonOk")), Qt::LeftButton);
    EXPECT_EQ(form.result() == QDialog::Accepted, !c.problem.has_value());
    if (c.problem)
        EXPECT_EQ(Ask::asked(), QStringList{word(*c.problem)});
    else
        EXPECT_TRUE(Ask::asked().isEmpty());
}

using Form = TFormPassword::Form;
INSTANTIATE_TEST_SUITE_P(
    Entries, PasswordEntryTest,
    ::testing::Values(
        EntryCase{"MemberRightPassword", Form::Member, "abc", "", "abc", "", std::nullopt},
        EntryCase{"MemberPaddedPassword", Form::Member, "abc  ", "", "abc", "", std::nullopt},
        EntryCase{"MemberWrongPassword", Form::Member, "abc", "", "abd", "",
                  WordEntry::ClubIncorrectPassword},
        EntryCase{"MemberPasswordCutToFive", Form::Member, "abcde", "", "abcdef", "", std::nullopt},
        EntryCase{"NewPlayerAccepted", Form::NewPlayer, "", "Boris", "12345", "12345",
                  std::nullopt},
        EntryCase{"NewPlayerEmptyName", Form::NewPlayer, "", "", "1", "1",
                  WordEntry::ClubIncorrectName},
        EntryCase{"NewPlayerBlankName", Form::NewPlayer, "", "   ", "1", "1",
                  WordEntry::ClubIncorrectName},
        EntryCase{"NewPlayerPasswordsDiffer", Form::NewPlayer, "", "Boris", "123", "124",
                  WordEntry::ClubPasswordsDiffer},
        EntryCase{"NewPlayerCyrillicName", Form::NewPlayer, "", QStringLiteral("Борис"), "1", "1",
                  std::nullopt},
        EntryCase{"NewPlayerNameTheClubCannotKeep", Form::NewPlayer, "", QStringLiteral("王小明"),
                  "1", "1", WordEntry::ClubIncorrectName},
        EntryCase{"NewPlayerPasswordTheClubCannotKeep", Form::NewPlayer, "", "Boris",
                  QStringLiteral("密码"), QStringLiteral("密码"),
                  WordEntry::ClubIncorrectPassword}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PasswordWindow, NameFieldsKeepTheirLimits) {
    TFormPassword form(TFormPassword::Form::NewPlayer, QString(), QString(), false);
    auto *name = form.findChild<QLineEdit *>(QStringLiteral("EditName"));
    name->clear();
    QTest::keyClicks(name, QStringLiteral("A name much longer than twenty"));
    EXPECT_EQ(form.name(), QStringLiteral("A name much longer t"));
    QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("EditPassword")),
                     QStringLiteral("1234567"));
    EXPECT_EQ(form.password(), QStringLiteral("12345"));
}

TEST(PasswordWindow, OffersTheLastNameWhenShortEnough) {
    const struct {
        const char *last;
        bool network;
        const char *offered;
    } cases[] = {
        {"Boris", false, "Boris"},
        {"Exactly twenty chars", false, "Exactly twenty chars"},
        {"Twenty-one characters", false, "Mr.X"},
        {"", false, "Mr.X"},
        {"Bob", true, "Bob"},
        {"Boris", true, "Mr.X"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TFormPassword::offeredName(QString::fromUtf8(c.last), c.network),
                  QString::fromUtf8(c.offered))
            << c.last;
}

TEST(PasswordWindow, MemberNameCannotBeEdited) {
    TFormPassword form(TFormPassword::Form::Member, QStringLiteral("Anna                "),
                       QStringLiteral("x"), false);
    auto *name = form.findChild<QLineEdit *>(QStringLiteral("EditName"));
    EXPECT_TRUE(name->isReadOnly());
    EXPECT_EQ(form.name(), QStringLiteral("Anna"));
    EXPECT_EQ(form.findChild<QLineEdit *>(QStringLiteral("EditPassword2")), nullptr);
}

} // namespace
