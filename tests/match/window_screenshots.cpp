// match-screenshots FOLDER: plays through the main window as a player would
// and writes pictures of the title, the menu, a dealt hand, a hand in play
// and a finished hand, at the small and at the large window, into FOLDER;
// then the same with the "Purple" menu design (when the graphics library
// has been built).
// It also prints the time from process start to the first painted title
// screen and the resident memory in the menu.
#include "match/Ask.h"
#include "match/TForm1.h"
#include "match/TFormPassword.h"
#include "rules/Moves.h"
#include "store/Settings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

using namespace quarn;

// Milliseconds since this process started (from /proc).
double millisecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    const auto close = text.rfind(')');
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int i = 3; i <= 22 && fields >> field; ++i)
        if (i == 22)
            startTicks = std::stoull(field);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void save(TForm1 &form, const QString &folder, const QString &name) {
    settle();
    form.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void logIn(TForm1 &form, const QString &picture) {
    QTimer::singleShot(0, [picture] {
        auto *dialog = qobject_cast<TFormPassword *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("EditPassword")),
                         QStringLiteral("pw"));
        QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("EditPassword2")),
                         QStringLiteral("pw"));
        settle();
        dialog->grab().save(picture);
        dialog->accept();
    });
    form.findChild<QPushButton *>(QStringLiteral("Button6"))->click();
}

bool playerMove(TForm1 &form) {
    const GameState &g = form.game();
    for (int slot = 1; slot <= g.CardCount[4]; ++slot)
        if (IsPlayable(g, g.Hands[4][slot].card)) {
            form.BottomHandClick(Qt::LeftButton, form.canvas().cardLefts(4)[std::size_t(slot)] + 3);
            return true;
        }
    form.CommandButton();
    return false;
}

void walk(const QString &dist, const QString &out, int windowSize, const char *tag,
          bool purpleMenu = false) {
    QTemporaryDir dir;
    for (const char *name : {"Quarn.clb", "Quarn.net"})
        QFile::copy(dist + QLatin1Char('/') + QLatin1String(name),
                    dir.path() + QLatin1Char('/') + QLatin1String(name));
    Settings settings;
    if (purpleMenu) {
        QFile::copy(dist + QStringLiteral("/WemCGraph1.dll"),
                    dir.path() + QStringLiteral("/WemCGraph1.dll"));
        settings.menuDesign = ScreenDesign::Purple;
    }
    settings.windowSize = static_cast<WindowSizeSetting>(windowSize);
    settings.cardFlight = false;
    settings.playerName = "Alexandra";
    saveSettings(std::filesystem::path(dir.path().toStdString()), settings);

    TForm1 form(dir.path() + QLatin1Char('/'));
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        qWarning("the window was not exposed; the pictures may be blank");
    form.startUp();
    for (int i = 0; i < 40; ++i)
        form.Tick();
    const QString prefix = QString::fromLatin1(tag) + QLatin1Char('-');
    save(form, out, prefix + QStringLiteral("1-title"));
    form.leaveTitle();
    save(form, out, prefix + QStringLiteral("2-menu"));
    if (windowSize == 1)
        std::printf("resident memory in the menu: %.1f MB\n", residentKilobytes() / 1024.0);
    logIn(form, out + QLatin1Char('/') + prefix + QStringLiteral("2-log-in.png"));
    save(form, out, prefix + QStringLiteral("3-dealt"));
    form.CommandButton();
    for (int moves = 0; moves < 12 && form.game().ToMove <= 4; ++moves) {
        if (form.game().ToMove == 4)
            playerMove(form);
        else
            form.Tick();
    }
    while (form.game().ToMove != 4 && form.game().ToMove <= 4)
        form.Tick();
    save(form, out, prefix + QStringLiteral("4-in-play"));
    for (int step = 0; step < 400 && form.game().ToMove <= 4; ++step) {
        if (form.game().ToMove == 4)
            playerMove(form);
        else
            form.Tick();
    }
    save(form, out, prefix + QStringLiteral("5-hand-ended"));
    form.CommandButton();
    save(form, out, prefix + QStringLiteral("6-settled"));
}

} // namespace

int main(int argc, char *argv[]) {
    const double atStart = millisecondsSinceProcessStart();
    if (argc < 2) {
        std::fprintf(stderr, "usage: match-screenshots FOLDER\n");
        return 2;
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    quarn::Ask::setQuiet(true);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const QString dist = QStringLiteral(QUARN_DIST_DIR);

    {
        // The first painted title screen of a window made as the program makes it.
        QTemporaryDir dir;
        for (const char *name : {"Quarn.clb", "Quarn.net"})
            QFile::copy(dist + QLatin1Char('/') + QLatin1String(name),
                        dir.path() + QLatin1Char('/') + QLatin1String(name));
        quarn::TForm1 form(dir.path() + QLatin1Char('/'));
        form.show();
        while (!form.started())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        std::printf(
            "process start to first painted title screen: %.0f ms (before the window: %.0f ms)\n",
            millisecondsSinceProcessStart(), atStart);
    }

    walk(dist, out, 1, "small");
    walk(dist, out, 5, "large");
    if (QFile::exists(dist + QStringLiteral("/WemCGraph1.dll"))) {
        walk(dist, out, 1, "small-purple", true);
        walk(dist, out, 5, "large-purple", true);
    }
    std::printf("pictures written to %s\n", qPrintable(out));
    return 0;
}
