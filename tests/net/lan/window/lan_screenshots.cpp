// lan-screenshots FOLDER: a host and a client start a network game over
// 127.0.0.1 through their welcome and waiting windows, play into the middle
// of the first hand and save both windows as PNGs. The client shows the
// host at its seat 2, the top of the table.
#include "NetworkWindows.h"

#include <cstdio>

int main(int argc, char **argv) {
    using namespace quarn::lan::window_testing;
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: lan-screenshots FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    HostAndClient net;
    if (!net.Start()) {
        std::fprintf(stderr, "the network game did not start\n");
        return 1;
    }
    QTest::mouseClick(net.host.button7(), Qt::LeftButton);
    WaitUntil([&] { return net.InStep(); });
    for (int step = 0; step < 12 && net.host.game().ToMove != quarn::kHandEnded; ++step) {
        net.Step();
        WaitUntil([&] { return net.InStep(); });
    }
    net.host.form().grab().save(out + QStringLiteral("/lan-host.png"));
    net.client.form().grab().save(out + QStringLiteral("/lan-client.png"));
    std::printf("%s/lan-host.png\n%s/lan-client.png\n", argv[1], argv[1]);
    return 0;
}
