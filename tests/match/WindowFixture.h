#pragma once
// A main window in a temporary program folder holding copies of the shipped
// club files, with helpers that act as a player would: log in through the
// name-and-password window, press the game buttons, click cards.

#include "QtPrint.h"
#include "match/Ask.h"
#include "match/TForm1.h"
#include "match/TFormPassword.h"
#include "rules/Moves.h"
#include "store/Settings.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quarn::testing {

// Remembers every sound the window plays.
class RecordingSound : public SoundPlayer {
  public:
    void Play(std::string_view name, bool) override { played.emplace_back(name); }
    int count(std::string_view name) const {
        return int(std::count(played.begin(), played.end(), std::string(name)));
    }
    std::vector<std::string> played;
};

// Remembers which auxiliary windows the main window asked for.
class RecordingWindows : public AuxiliaryWindows {
  public:
    void showEndOfGame(bool networkClub, int place, std::int32_t score) override {
        endOfGame.push_back({networkClub, place, score});
    }
    void showAccountEndOfGame(int place, std::int32_t score, int bonus) override {
        accountEndOfGame.push_back({place, score, bonus});
    }
    void submitWorldTopTen(std::int32_t score) override { worldTopTen.push_back(score); }
    void showGameInformation(const GameState &) override { ++gameInformation; }
    void showOptions() override { opened.push_back("options"); }
    void showTopTen(bool networkClub) override {
        opened.push_back(networkClub ? "net top ten" : "top ten");
    }
    void showHistory() override { opened.push_back("history"); }
    void showWorldTopTen() override { opened.push_back("world top ten"); }
    void showPassport() override { opened.push_back("passport"); }
    void showSpeed() override { opened.push_back("speed"); }
    void showHelp() override { opened.push_back("help"); }
    void showAbout() override { opened.push_back("about"); }
    void showRadio() override { opened.push_back("radio"); }
    void showChat() override { opened.push_back("chat"); }
    void showAccount() override { opened.push_back("account"); }
    bool showTournament() override {
        opened.push_back("tournament");
        return false;
    }
    void showStatistics() override { opened.push_back("statistics"); }
    void showNews() override { opened.push_back("news"); }
    void openHomePage() override { opened.push_back("home page"); }
    std::vector<std::string> opened;
    struct EndOfGame {
        bool networkClub;
        int place;
        std::int32_t score;
    };
    std::vector<EndOfGame> endOfGame;
    struct AccountEndOfGame {
        int place;
        std::int32_t score;
        int bonus;
    };
    std::vector<AccountEndOfGame> accountEndOfGame;
    std::vector<std::int32_t> worldTopTen;
    int gameInformation = 0;
};

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder_ = std::filesystem::path(dir_.path().toStdString());
        for (const char *name : {"Quarn.clb", "Quarn.net"})
            std::filesystem::copy_file(std::filesystem::path(QUARN_DIST_DIR) / name,
                                       folder_ / name);
        Ask::clearAsked();
        Ask::setQuiet(true);
    }

    void TearDown() override {
        if (form_) {
            // Leave without questions: the test decides what was recorded.
            form_->setAttribute(Qt::WA_DeleteOnClose, false);
            form_.reset();
        }
        Ask::clearAsked();
    }

    // Settings a test starts from (written to Quarn.ini before the window opens).
    void writeSettings(const Settings &settings) {
        ASSERT_TRUE(saveSettings(folder_, settings).ok);
    }

    Settings quickSettings() {
        Settings s;
        s.cardFlight = false;
        return s;
    }

    // Opens the window, completes its start-up and leaves the title screen.
    TForm1 &openToMenu() {
        openWindow();
        EXPECT_TRUE(form_->startUp());
        QTest::keyRelease(form_.get(), Qt::Key_Space);
        EXPECT_TRUE(form_->menuShown());
        // The start's online requests have come back (or failed).
        EXPECT_TRUE(form_->awaitRequests());
        return *form_;
    }

    TForm1 &openWindow() {
        form_ = std::make_unique<TForm1>(dir_.path() + QLatin1Char('/'));
        form_->setSoundDevice(&sound_);
        form_->setAuxiliaryWindows(&windows_);
        form_->show();
        return *form_;
    }

    template <typename T = QWidget> T *control(const char *name) const {
        return form_->findChild<T *>(QString::fromLatin1(name));
    }

    // Answers the name-and-password window that the next click opens.
    void answerLogIn(const QString &name, const QString &password, const QString &again,
                     bool cancel = false) {
        QTimer::singleShot(0, [=] {
            auto *form = qobject_cast<TFormPassword *>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            if (auto *edit = form->findChild<QLineEdit *>(QStringLiteral("EditName"));
                edit && !edit->isReadOnly()) {
                edit->clear();
                QTest::keyClicks(edit, name);
            }
            QTest::keyClicks(form->findChild<QLineEdit *>(QStringLiteral("EditPassword")),
                             password);
            if (auto *edit = form->findChild<QLineEdit *>(QStringLiteral("EditPassword2")))
                QTest::keyClicks(edit, again);
            const char *button = cancel ? "ButtonCancel" : "ButtonOk";
            QTest::mouseClick(form->findChild<QPushButton *>(QString::fromLatin1(button)),
                              Qt::LeftButton);
            if (form->isVisible())
                form->reject(); // a refused entry: the player gives up
        });
    }

    void logInNewPlayer(const QString &name, const QString &password = QStringLiteral("pw")) {
        answerLogIn(name, password, password);
        QTest::mouseClick(control<QPushButton>("Button6"), Qt::LeftButton);
    }

    void logInMember(int line, const QString &password) {
        answerLogIn(QString(), password, QString());
        QTest::mouseClick(control<QPushButton>(("Button" + std::to_string(line)).c_str()),
                          Qt::LeftButton);
    }

    QPushButton *button7() const { return control<QPushButton>("Button7"); }
    QPushButton *button8() const { return control<QPushButton>("Button8"); }

    // Clicks slot `slot` of the bottom hand at its hit-test position.
    void clickCard(int slot) {
        const int x = form_->canvas().cardLefts(4)[std::size_t(slot)] + 3;
        QTest::mouseClick(control("ImageCards4"), Qt::LeftButton, {}, QPoint(x, 20));
    }

    int firstSlot(bool playable) const {
        const GameState &g = form_->game();
        for (int slot = 1; slot <= g.CardCount[4]; ++slot)
            if (IsPlayable(g, g.Hands[4][slot].card) == playable)
                return slot;
        return 0;
    }

    // Plays the hand as the player: the tick for the computer seats, a
    // click on a playable card or "Pass" when none fits.
    void playHandToItsEnd(bool tryWrongCards = true) {
        for (int step = 0; step < 500 && form_->game().ToMove != kHandEnded; ++step) {
            const GameState &g = form_->game();
            if (g.ToMove != 4) {
                EXPECT_FALSE(button7()->isEnabled());
                form_->Tick();
                continue;
            }
            const int playable = firstSlot(true);
            EXPECT_EQ(button7()->isEnabled(), playable == 0) << "Pass only without a playable card";
            if (playable == 0) {
                QTest::mouseClick(button7(), Qt::LeftButton);
                continue;
            }
            const int wrong = firstSlot(false);
            if (tryWrongCards && wrong != 0) {
                const int before = sound_.count("WWrongs");
                const int count = g.CardCount[4];
                clickCard(wrong);
                EXPECT_EQ(sound_.count("WWrongs"), before + 1);
                EXPECT_EQ(form_->game().CardCount[4], count);
                EXPECT_EQ(form_->game().ToMove, 4);
            }
            const int count = g.CardCount[4];
            clickCard(playable);
            EXPECT_EQ(form_->game().CardCount[4], count - 1);
        }
        ASSERT_EQ(form_->game().ToMove, kHandEnded);
    }

    int scoreSum() const {
        const GameState &g = form_->game();
        return g.Score[1] + g.Score[2] + g.Score[3] + g.Score[4];
    }

    std::optional<ClubFile> club(const char *name = "Quarn.clb") const {
        return readClubFile(folder_ / name);
    }

    // Puts a member into the club file with the given standing.
    void addMember(const std::string &name, const std::string &password, int hands, int score,
                   double rating) {
        MemberRecord record = newPlayerRecord(name, password);
        record.hands = hands;
        record.cycleScore = score;
        record.rating = rating;
        ASSERT_EQ(storeResult(folder_ / "Quarn.clb", record).write, ClubWrite::Written);
    }

    QTemporaryDir dir_;
    std::filesystem::path folder_;
    std::unique_ptr<TForm1> form_;
    RecordingSound sound_;
    RecordingWindows windows_;
};

} // namespace quarn::testing
