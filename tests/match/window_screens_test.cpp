// The window's start-up, title screen, menu, pop-up menu and hidden command.
#include "WindowFixture.h"

#include "lang/Language.h"
#include "match/HiddenCommand.h"
#include "match/TitleScreen.h"
#include "store/AtomicFile.h"
#include "store/History.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolTip>
#include <fstream>

using namespace quarn;
using namespace quarn::testing;

namespace {

class WindowScreens : public WindowTest {
  protected:
    QAction *entry(const char *name) const {
        return control<QMenu>("PopupMenu1")->findChild<QAction *>(QString::fromLatin1(name));
    }
    std::map<std::string, bool> entriesEnabled() const {
        std::map<std::string, bool> enabled;
        for (const char *name :
             {"GenCount", "Quit", "ChangeName", "MSpeed", "Help", "About", "MRadio", "MChat"})
            enabled[name] = entry(name)->isEnabled();
        return enabled;
    }
};

TEST_F(WindowScreens, FirstPaintCompletesTheStartUp) {
    Settings s = quickSettings();
    s.language = German;
    writeSettings(s);
    TForm1 &form = openWindow();
    EXPECT_FALSE(form.started());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(form.started());
    EXPECT_TRUE(form.titleShown());
    EXPECT_EQ(language(), German);
    EXPECT_EQ(form.settings().language, German);
    setLanguage(English);
}

struct DamageCase {
    const char *name;
    const char *file;
    bool remove; // remove the file instead of changing a character
    const char *message;
};

class StartUpRefusal : public WindowTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(StartUpRefusal, ShowsItsErrorAndEndsWithoutSavingSettings) {
    const DamageCase &c = GetParam();
    const std::filesystem::path path = folder_ / c.file;
    if (c.remove) {
        std::filesystem::remove(path);
    } else {
        std::ifstream in(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        in.close();
        bytes[3] = bytes[3] == 'x' ? 'y' : 'x';
        ASSERT_TRUE(writeFileAtomically(path, bytes));
    }
    TForm1 &form = openWindow();
    EXPECT_FALSE(form.startUp());
    EXPECT_EQ(Ask::asked(),
              QStringList{QString::fromLatin1(c.message) + QStringLiteral(" \"") +
                          QString::fromStdString(path.string()) + QStringLiteral("\"!")});
    QTRY_VERIFY(!form.isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder_ / "Quarn.ini")) << "settings are not saved";
    QTest::keyRelease(&form, Qt::Key_Space);
    EXPECT_FALSE(form.menuShown());
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartUpRefusal,
    ::testing::Values(DamageCase{"LocalMissing", "Quarn.clb", true, "Can`t find the file"},
                      DamageCase{"NetworkMissing", "Quarn.net", true, "Can`t find the file"},
                      DamageCase{"LocalEdited", "Quarn.clb", false, "The incorrect file"},
                      DamageCase{"NetworkEdited", "Quarn.net", false, "The incorrect file"}),
    [](const auto &info) { return std::string(info.param.name); });

struct LeaveTitleCase {
    const char *name;
    bool byKey;
};

class TitleScreenLeaving : public WindowTest,
                           public ::testing::WithParamInterface<LeaveTitleCase> {};

TEST_P(TitleScreenLeaving, ClickOrKeyShowsTheMenu) {
    writeSettings(quickSettings());
    TForm1 &form = openWindow();
    ASSERT_TRUE(form.startUp());
    EXPECT_EQ(form.timer()->interval(), 20);
    if (GetParam().byKey)
        QTest::keyRelease(&form, Qt::Key_A);
    else
        QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_FALSE(form.titleShown());
    EXPECT_TRUE(form.menuShown());
    // Nothing in the menu moves with the tick: it rests, and only the slow
    // timers (the melody's check, the calendar pages) run.
    EXPECT_FALSE(form.timer()->isActive());
    for (const QTimer *timer : form.findChildren<QTimer *>())
        if (timer->isActive())
            EXPECT_GE(timer->interval(), 1000) << timer->objectName().toStdString();
    EXPECT_TRUE(control("Button6")->isVisible());
    EXPECT_FALSE(control("Button7")->isVisible());
    // In the menu a key has no function.
    QTest::keyRelease(&form, Qt::Key_A);
    EXPECT_TRUE(form.menuShown());
}

INSTANTIATE_TEST_SUITE_P(Ways, TitleScreenLeaving,
                         ::testing::Values(LeaveTitleCase{"Key", true},
                                           LeaveTitleCase{"Click", false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(WindowScreens, WindowSizeFromTheSettingsAppliesWhenTheTitleCloses) {
    const struct {
        int setting;
        QSize client;
    } cases[] = {{1, {760, 500}}, {3, {990, 650}}, {4, {1290, 850}}, {5, {1520, 1000}}};
    for (const auto &c : cases) {
        Settings s = quickSettings();
        s.windowSize = static_cast<WindowSizeSetting>(c.setting);
        writeSettings(s);
        TForm1 &form = openToMenu();
        EXPECT_EQ(form.size(), c.client) << c.setting;
        EXPECT_EQ(form.layout().client, c.client) << c.setting;
    }
}

TEST_F(WindowScreens, PopupEntriesFollowTheScreen) {
    writeSettings(quickSettings());
    TForm1 &form = openWindow();
    ASSERT_TRUE(form.startUp());
    const std::map<std::string, bool> onTitle{
        {"GenCount", false}, {"Quit", false}, {"ChangeName", false}, {"MSpeed", true},
        {"Help", true},      {"About", true}, {"MRadio", false},     {"MChat", false}};
    EXPECT_EQ(entriesEnabled(), onTitle);

    QTest::keyRelease(&form, Qt::Key_Space);
    std::map<std::string, bool> inMenu = onTitle;
    inMenu["MRadio"] = inMenu["MChat"] = true;
    EXPECT_EQ(entriesEnabled(), inMenu);

    logInNewPlayer(QStringLiteral("Tester"));
    std::map<std::string, bool> inMatch = inMenu;
    inMatch["GenCount"] = inMatch["Quit"] = inMatch["ChangeName"] = true;
    EXPECT_EQ(entriesEnabled(), inMatch);

    entry("GenCount")->trigger();
    EXPECT_EQ(windows_.gameInformation, 1);

    // The leave button acts only after a settled hand.
    QTest::mouseClick(button7(), Qt::LeftButton);
    button8()->setEnabled(true);
    QTest::mouseClick(button8(), Qt::LeftButton);
    EXPECT_TRUE(form.game().InGame);

    Ask::setNextAnswer(QMessageBox::Yes);
    entry("Quit")->trigger();
    EXPECT_EQ(entriesEnabled(), inMenu);
}

TEST_F(WindowScreens, PopupMenuNeverOpensOverTheHandsOrTheTable) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    logInNewPlayer(QStringLiteral("Tester"));
    auto *menu = control<QMenu>("PopupMenu1");
    const struct {
        const char *control;
        bool opens;
    } cases[] = {{"ImageCards4", false},
                 {"ImageCards1", false},
                 {"ImageStol", false},
                 {"ImageTab4", true},
                 {"ImageKon", true}};
    for (const auto &c : cases) {
        QWidget *target = control(c.control);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &event);
        EXPECT_EQ(menu->isVisible(), c.opens) << c.control;
        menu->hide();
    }
    (void)form;
}

TEST_F(WindowScreens, ModeButtonSwitchesTheClubList) {
    addMember("Anna", "abc", 47, -12, 1.506);
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    auto *heading = control<QLabel>("Panel4");
    auto *first = control<QPushButton>("Button1");
    EXPECT_EQ(heading->text(), QStringLiteral(" The members of club    Games    Score "));
    EXPECT_TRUE(first->text().endsWith(QStringLiteral(" 17       -12")))
        << first->text().toStdString();
    QTest::mouseClick(control<QPushButton>("BMode"), Qt::LeftButton);
    EXPECT_EQ(heading->text(), QStringLiteral(" The members of club    Games   Rating "));
    EXPECT_TRUE(first->text().endsWith(QStringLiteral(" 47    1,51")))
        << first->text().toStdString();
    EXPECT_EQ(form.settings().clubDisplayMode, ClubDisplayMode::Rating);
}

struct ChangeNameCase {
    const char *name;
    bool member;
};

class ChangeNameMidMatch : public WindowTest,
                           public ::testing::WithParamInterface<ChangeNameCase> {};

TEST_P(ChangeNameMidMatch, RenamesThePlayer) {
    addMember("Anna", "abc", 12, 5, 0.5);
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    if (GetParam().member)
        logInMember(1, QStringLiteral("abc"));
    else
        logInNewPlayer(QStringLiteral("Guest"));
    ASSERT_TRUE(form.game().InGame);
    Ask::clearAsked();
    answerLogIn(QStringLiteral("Annabel"), QStringLiteral("xyz"), QStringLiteral("xyz"));
    control<QMenu>("PopupMenu1")->findChild<QAction *>(QStringLiteral("ChangeName"))->trigger();

    EXPECT_EQ(
        Ask::asked(),
        QStringList{QStringLiteral(
            "Your name and/or the password were successfully changed!\n\rNew name: Annabel")});
    EXPECT_EQ(form.game().SeatName[4], "Annabel");
    const std::optional<MemberRecord> line1 = club()->member(1);
    ASSERT_TRUE(line1);
    if (GetParam().member) {
        EXPECT_EQ(line1->name, "Annabel");
        EXPECT_EQ(line1->hands, 12);
        EXPECT_EQ(decodePassword(line1->encodedPassword), std::optional<std::string>("xyz  "));
    } else {
        EXPECT_EQ(line1->name, "Anna") << "a new player's name changes only for the match";
    }
}

INSTANTIATE_TEST_SUITE_P(Players, ChangeNameMidMatch,
                         ::testing::Values(ChangeNameCase{"Member", true},
                                           ChangeNameCase{"NewPlayer", false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(WindowScreens, HiddenCommandOnTheSendButtonTurnsTheHands) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    logInNewPlayer(QStringLiteral("Tester"));
    QWidget *send = control("BitBtn1");
    QTest::keyClicks(send, QStringLiteral("61837"));
    EXPECT_TRUE(form.game().HandsOpen);
    QTest::keyClicks(send, QStringLiteral("61837"));
    EXPECT_FALSE(form.game().HandsOpen);
}

TEST(HiddenCommandBuffer, ToggleOnlyWhenTheWholeBufferReadsTheNumber) {
    const struct {
        const char *typed;
        bool toggles;
        const char *left;
    } cases[] = {
        {"61837", true, ""},         {"6183", false, "6183"}, {"061837", true, ""},
        {"561837", false, "561837"}, {"61837x", false, "x"},  {"x", false, "x"},
    };
    for (const auto &c : cases) {
        HiddenCommand command;
        bool toggled = false;
        for (char ch : std::string(c.typed))
            toggled = command.type(QString(QLatin1Char(ch)));
        EXPECT_EQ(toggled, c.toggles) << c.typed;
        EXPECT_EQ(command.buffer(), QString::fromLatin1(c.left)) << c.typed;
    }
}

TEST(TitleLetters, PositionsFollowTheLetterWidths) {
    const struct {
        const char *title;
        std::vector<int> xs;
    } cases[] = {
        {"QUARN", {312, 344, 370, 396, 422}},
        {"ABC", {342, 368, 394}},
        {"MAX", {337, 371, 397}},
        {"AIR", {348, 377, 388}},
        {"A-B", {348, 377, 390}},
    };
    for (const auto &c : cases) {
        const QVector<int> xs = TitleScreen::letterPositions(QString::fromLatin1(c.title));
        EXPECT_EQ(std::vector<int>(xs.begin(), xs.end()), c.xs) << c.title;
    }
}

TEST(TitleLetters, ColoursRotateEveryTenTicks) {
    EXPECT_EQ(TitleScreen::letterColour(0, 0), 0);
    EXPECT_EQ(TitleScreen::letterColour(0, 9), 0);
    EXPECT_EQ(TitleScreen::letterColour(0, 10), 1);
    EXPECT_EQ(TitleScreen::letterColour(3, 75), 0);
}

TEST(TitleTravellers, GoRoundTheRectangleClockwise) {
    const struct {
        int distance;
        QPoint place;
    } cases[] = {{0, {155, 68}},     {395, {550, 68}},  {396, {550, 69}},  {689, {550, 362}},
                 {1084, {155, 362}}, {1377, {155, 69}}, {1378, {155, 68}}, {-1, {155, 69}}};
    for (const auto &c : cases)
        EXPECT_EQ(TitleScreen::travellerPlace(c.distance), c.place) << c.distance;
}

// The screen as a window of the given size shows it at `ticks`, drawn whole.
QImage wholeTitle(const TitleScreen &title, QSize window) {
    QImage image(window, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(double(window.width()) / TitleScreen::Width,
                  double(window.height()) / TitleScreen::Height);
    title.paint(painter);
    return image;
}

// A tick repaints only the places it reports; the picture must then be the
// one a full repaint gives, or the travellers leave trails and the title
// keeps old colours. The span crosses a colour turn (tick 10) and a corner
// of the path (tick 395 for the first traveller).
TEST(TitleRepaint, ReportedPlacesMakeTheWholePicture) {
    const struct {
        QSize window;
        int from;
        int to;
    } cases[] = {
        {{TitleScreen::Width, TitleScreen::Height}, 0, 24},
        {{TitleScreen::Width, TitleScreen::Height}, 388, 402},
        {{990, 650}, 4, 14}, // a stretched title screen
    };
    for (const auto &c : cases) {
        TitleScreen title;
        title.setTexts(QStringLiteral("QUARN"), QStringLiteral("1 May 2026"),
                       QStringLiteral("Credits"));
        while (title.tick() < c.from)
            title.advance();
        QImage shown = wholeTitle(title, c.window);
        for (int tick = c.from; tick < c.to; ++tick) {
            const QRegion changed = TitleScreen::onWindow(title.advance(), c.window);
            QPainter painter(&shown);
            painter.setClipRegion(changed);
            painter.scale(double(c.window.width()) / TitleScreen::Width,
                          double(c.window.height()) / TitleScreen::Height);
            title.paint(painter, changed.boundingRect());
            painter.end();
            ASSERT_EQ(shown, wholeTitle(title, c.window))
                << "tick " << title.tick() << " at " << c.window.width();
        }
    }
}

TEST(TitleRepaint, ATickReportsTheTravellersAndTheTitleOnlyWhenItsColoursTurn) {
    TitleScreen title;
    title.setTexts(QStringLiteral("QUARN"), QString(), QString());
    const QRect whole(0, 0, TitleScreen::Width, TitleScreen::Height);
    const QRect titleBand(TitleScreen::Width / 2 - 40, TitleScreen::TitleTop + 10, 80, 20);
    for (int tick = 1; tick <= 20; ++tick) {
        const QRegion changed = title.advance();
        // Four pictures, each at its old and new place: a small part of the screen.
        qint64 area = 0;
        for (const QRect &r : changed)
            area += qint64(r.width()) * r.height();
        const bool turn = tick % 10 == 0;
        EXPECT_EQ(changed.intersects(titleBand), turn) << tick;
        if (!turn)
            EXPECT_LT(area, qint64(whole.width()) * whole.height() / 20) << tick;
        EXPECT_TRUE(changed.contains(TitleScreen::travellerPlace(tick))) << tick;
        EXPECT_TRUE(changed.contains(TitleScreen::travellerPlace(tick - 1))) << tick;
    }
}

} // namespace

namespace {

TEST_F(WindowScreens, ReadOnlyClubFileWarnsAndIsNotWritten) {
    writeSettings(quickSettings());
    const std::filesystem::path path = folder_ / "Quarn.clb";
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    std::ifstream before(path, std::ios::binary);
    const std::string bytesBefore((std::istreambuf_iterator<char>(before)), {});

    TForm1 &form = openToMenu();
    EXPECT_EQ(Ask::asked(),
              QStringList{QStringLiteral("The file \"") + QString::fromStdString(path.string()) +
                          QStringLiteral("\" has incorrect attributes!\n\rThe work of the program "
                                         "will be incorrect!")});
    logInNewPlayer(QStringLiteral("Tester"));
    QTest::mouseClick(button7(), Qt::LeftButton);
    playHandToItsEnd(false);
    QTest::mouseClick(button7(), Qt::LeftButton);
    QTest::mouseClick(button8(), Qt::LeftButton);
    EXPECT_TRUE(form.menuShown());

    std::ifstream after(path, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(after)), {}), bytesBefore);
    EXPECT_EQ(listHistoryFiles(folder_).size(), 1u) << "the history is still written";
    form.close();
    EXPECT_TRUE(std::filesystem::exists(folder_ / "Quarn.ini")) << "the settings are still saved";
}

TEST_F(WindowScreens, RussianEditionStampStartsInRussian) {
    writeSettings(quickSettings());
    ASSERT_TRUE(
        writeFileAtomically(folder_ / "Quarn.clb", ClubFile::fresh("1Q5700lnx0", "tail").bytes()));
    TForm1 &form = openWindow();
    ASSERT_TRUE(form.startUp());
    EXPECT_EQ(language(), Russian);
    EXPECT_EQ(form.settings().language, Russian);
    QTest::keyRelease(&form, Qt::Key_Space);
    EXPECT_NE(control<QPushButton>("Button6")->text(), QStringLiteral("New Player"));
    setLanguage(English);
}

} // namespace

namespace {

// Every menu control and pop-up entry whose window another part builds is
// there, enabled, and asks for its window.
TEST_F(WindowScreens, MenuControlsOpenTheirWindows) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    const struct {
        const char *control;
        bool popupEntry;
        const char *window;
        const char *message;
    } cases[] = {
        {"Button9", false, "top ten", nullptr},
        {"Button10", false, "options", nullptr},
        {"BHistory", false, "history", nullptr},
        {"ImageAccount", false, "account", nullptr},
        {"ImageTournament", false, "tournament", "Log in to your account!"},
        {"ImageStatistics", false, "statistics", nullptr},
        {"ImageNews", false, "news", nullptr},
        {"ImageChat", false, "chat", nullptr},
        {"ImageRadio", false, "radio", nullptr},
        {"ImageHomePage", false, "home page", nullptr},
        {"MSpeed", true, "speed", nullptr},
        {"Help", true, "help", nullptr},
        {"About", true, "about", nullptr},
        {"MRadio", true, "radio", nullptr},
        {"MChat", true, "chat", nullptr},
    };
    for (const auto &c : cases) {
        windows_.opened.clear();
        Ask::clearAsked();
        if (c.popupEntry) {
            QAction *action = entry(c.control);
            ASSERT_TRUE(action->isEnabled()) << c.control;
            action->trigger();
        } else {
            auto *button = control<QPushButton>(c.control);
            ASSERT_NE(button, nullptr) << c.control;
            EXPECT_TRUE(button->isVisible() && button->isEnabled()) << c.control;
            EXPECT_FALSE(button->accessibleName().isEmpty()) << c.control;
            QTest::mouseClick(button, Qt::LeftButton);
        }
        EXPECT_EQ(windows_.opened, std::vector<std::string>{c.window}) << c.control;
        EXPECT_EQ(Ask::asked(),
                  c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{})
            << c.control;
        EXPECT_TRUE(form.menuShown()) << c.control;
    }
}

} // namespace

namespace {

// Names are shown as typed: an ampersand is no shortcut mark and angle
// brackets are no markup.
TEST_F(WindowScreens, ClubListShowsNamesAsTyped) {
    addMember("Tom & Jerry", "abc", 3, 4, 1.0);
    writeSettings(quickSettings());
    ASSERT_EQ(storeResult(folder_ / "Quarn.clb",
                          [] {
                              MemberRecord r = newPlayerRecord("<b>Bold</b>", "x");
                              r.hands = 30;
                              r.cycleScore = 99;
                              return r;
                          }())
                  .place,
              1);
    openToMenu();
    EXPECT_TRUE(control<QPushButton>("Button1")->text().startsWith(QStringLiteral("Tom && Jerry")))
        << control<QPushButton>("Button1")->text().toStdString();
    auto *first = control<QLabel>("PanelTop1");
    EXPECT_EQ(first->textFormat(), Qt::PlainText);
    EXPECT_TRUE(first->text().contains(QStringLiteral("<b>Bold</b>")))
        << first->text().toStdString();
}

} // namespace

namespace {

TEST_F(WindowScreens, CounterBalloonTellsTheHandOfTheCycle) {
    addMember("Anna", "abc", 40, 5, 0.5);
    writeSettings(quickSettings());
    openToMenu();
    logInMember(1, QStringLiteral("abc"));
    QWidget *counter = control("ImageKon");
    QTest::mouseMove(counter, QPoint(20, 20));
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("General number of game: 41")))
        << QToolTip::text().toStdString();
    EXPECT_TRUE(
        QToolTip::text().contains(QStringLiteral("Number of round in a current cycle: 11 / 30")))
        << QToolTip::text().toStdString();
    QToolTip::hideText();
}

} // namespace

TEST_F(WindowScreens, ClickOnTheHeadingCyclesItsColourVariant) {
    Settings settings = quickSettings();
    settings.headingColour = 6;
    writeSettings(settings);
    TForm1 &form = openToMenu();
    const QPoint heading = form.layout().scaling.place(180, 16, 400, 56).center();
    const QPoint clubHeading = form.layout().scaling.place(180, 68, 400, 26).center();
    const QImage before = form.grab().toImage();
    QTest::mouseClick(&form, Qt::LeftButton, {}, heading);
    EXPECT_EQ(form.settings().headingColour, 7);
    EXPECT_NE(form.grab().toImage(), before) << "the heading is drawn in the new variant";
    QTest::mouseClick(&form, Qt::LeftButton, {}, clubHeading);
    EXPECT_EQ(form.settings().headingColour, 1) << "after 7 comes 1";
    QTest::mouseClick(&form, Qt::LeftButton, {},
                      form.layout().scaling.place(300, 480, 10, 10).center());
    EXPECT_EQ(form.settings().headingColour, 1) << "a click beside the headings changes nothing";
}

// The ripple at the pointer is a small window of its own over the screen.
int visibleSalutes() {
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && (w->windowFlags() & Qt::ToolTip) == Qt::ToolTip &&
            w->size() == QSize(100, 100))
            ++count;
    return count;
}

class SaluteOption : public WindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SaluteOption, ButtonClickPlaysTheSaluteOnlyWhenItIsOn) {
    const std::filesystem::path library = std::filesystem::path(QUARN_DIST_DIR) / "WemCGraph1.dll";
    if (!std::filesystem::exists(library))
        GTEST_SKIP() << "the graphics library is not built";
    std::filesystem::copy_file(library, folder_ / "WemCGraph1.dll");
    Settings settings = quickSettings();
    settings.saluteOnButtons = GetParam();
    writeSettings(settings);
    openToMenu();
    const int before = visibleSalutes();
    QTest::mouseClick(control<QPushButton>("Button9"), Qt::LeftButton);
    EXPECT_EQ(visibleSalutes() - before, GetParam() ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(OnAndOff, SaluteOption, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "On" : "Off"; });
