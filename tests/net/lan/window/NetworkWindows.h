#pragma once
// Two main windows in one process, a host and a client, each in a program
// folder of its own with the shipped club files and network play on. They
// start a network match through their welcome and waiting windows over
// 127.0.0.1 and play through their buttons and card clicks.

#include "match/Ask.h"
#include "match/TForm1.h"
#include "match/TFormPassword.h"
#include "net/lan/LanClient.h"
#include "net/lan/LanHost.h"
#include "net/lan/TFormWait.h"
#include "rules/Moves.h"
#include "store/Settings.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

namespace quarn::lan::window_testing {

inline constexpr int kWaitMs = 15000;

template <typename Condition> bool WaitUntil(Condition condition) {
    return QTest::qWaitFor(condition, kWaitMs);
}

// A port nobody listens on just now.
inline quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Runs `step` inside the next modal loop, once the modal window of type T is up.
template <typename T> void WhenModal(std::function<void(T &)> step) {
    QTimer::singleShot(0, [step] {
        T *window = nullptr;
        WaitUntil([&] {
            return (window = qobject_cast<T *>(QApplication::activeModalWidget())) != nullptr;
        });
        if (window)
            step(*window);
    });
}

class Program {
  public:
    Program() {
        folder_ = std::filesystem::path(dir_.path().toStdString());
        for (const char *name : {"Quarn.clb", "Quarn.net"})
            std::filesystem::copy_file(std::filesystem::path(QUARN_DIST_DIR) / name,
                                       folder_ / name);
        Settings settings;
        settings.cardFlight = false;
        settings.multiplayer = true;
        saveSettings(folder_, settings);
        form_ = std::make_unique<TForm1>(dir_.path() + QLatin1Char('/'));
        form_->show();
        form_->startUp();
        QTest::keyRelease(form_.get(), Qt::Key_Space);
    }

    ~Program() {
        if (form_)
            form_->setAttribute(Qt::WA_DeleteOnClose, false);
    }

    TForm1 &form() { return *form_; }
    const GameState &game() const { return form_->game(); }
    std::filesystem::path folder() const { return folder_; }
    void close() { form_.reset(); }

    template <typename T = QWidget> T *control(const char *name) const {
        return form_->findChild<T *>(QString::fromLatin1(name));
    }
    QPushButton *button7() const { return control<QPushButton>("Button7"); }

    // "New Player" with the name; the welcome window's network section set
    // to serve (address empty) or to join the address; `then` runs inside
    // the waiting window that opens.
    void startNewPlayer(const QString &name, const QString &address, quint16 port,
                        std::function<void(TFormWait &)> then = {}) {
        WhenModal<TFormPassword>([=](TFormPassword &welcome) {
            auto *edit = welcome.findChild<QLineEdit *>(QStringLiteral("EditName"));
            edit->clear();
            QTest::keyClicks(edit, name);
            QTest::keyClicks(welcome.findChild<QLineEdit *>(QStringLiteral("EditPassword")),
                             QStringLiteral("pw"));
            QTest::keyClicks(welcome.findChild<QLineEdit *>(QStringLiteral("EditPassword2")),
                             QStringLiteral("pw"));
            if (!address.isEmpty()) {
                welcome.findChild<QRadioButton *>(QStringLiteral("RadioClient"))->setChecked(true);
                welcome.findChild<QLineEdit *>(QStringLiteral("EditAddress"))->setText(address);
            }
            welcome.findChild<QLineEdit *>(QStringLiteral("EditPort"))
                ->setText(QString::number(port));
            if (then)
                WhenModal<TFormWait>(then);
            QTest::mouseClick(welcome.findChild<QPushButton *>(QStringLiteral("ButtonOk")),
                              Qt::LeftButton);
            if (welcome.isVisible())
                welcome.reject();
        });
        QTest::mouseClick(control<QPushButton>("Button6"), Qt::LeftButton);
    }

    // Clicks slot `slot` of the bottom hand.
    void clickCard(int slot) {
        const int x = form_->canvas().cardLefts(4)[std::size_t(slot)] + 3;
        QTest::mouseClick(control("ImageCards4"), Qt::LeftButton, {}, QPoint(x, 20));
    }

    // The person's move: a playable card, or "Pass" when none fits.
    void playOwnMove() {
        const GameState &g = game();
        for (int slot = 1; slot <= g.CardCount[4]; ++slot) {
            if (IsPlayable(g, g.Hands[4][slot].card)) {
                clickCard(slot);
                return;
            }
        }
        QTest::mouseClick(button7(), Qt::LeftButton);
    }

  private:
    QTemporaryDir dir_;
    std::filesystem::path folder_;
    std::unique_ptr<TForm1> form_;
};

// A host and one client that started a network match: the host has dealt.
struct HostAndClient {
    bool Start() {
        Ask::setQuiet(true);
        const quint16 port = FreePort();
        host.startNewPlayer(QStringLiteral("Anna"), QString(), port, [this, port](TFormWait &wait) {
            client.startNewPlayer(QStringLiteral("Bob"), QStringLiteral("127.0.0.1"), port);
            auto *ok = wait.findChild<QPushButton *>(QStringLiteral("ButtonOk"));
            WaitUntil([&] { return ok->isEnabled(); });
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        return WaitUntil(
            [&] { return host.game().MatchHands == 1 && client.game().MatchHands == 1; });
    }

    // One move by whoever holds the turn, as its window takes it.
    void Step() {
        const GameState &g = host.game();
        if (g.ToMove == 2)
            client.playOwnMove();
        else if (g.ToMove == 4)
            host.playOwnMove();
        else
            host.form().Tick();
    }

    bool InStep() const {
        const GameState &h = host.game();
        const GameState &c = client.game();
        return c.MoveNumber == h.MoveNumber && c.Bank == h.Bank && c.Phase == h.Phase &&
               c.Table == h.Table && HostSeat(c.ToMove, 2) == h.ToMove;
    }

    Program host;
    Program client;
};

} // namespace quarn::lan::window_testing
