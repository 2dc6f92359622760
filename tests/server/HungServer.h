#pragma once
// A club server that takes connections and never answers (a hung server, a
// link that died after connecting), and the measure of how long the event
// loop went without running meanwhile: the windows' tests against it.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <string>

namespace servertest {

// A loopback socket whose connections wait in the kernel's queue unanswered.
class HungServer {
  public:
    HungServer() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address);
        ::listen(fd_, 64);
        socklen_t length = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr *>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~HungServer() { ::close(fd_); }
    HungServer(const HungServer &) = delete;
    HungServer &operator=(const HungServer &) = delete;
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }

  private:
    int fd_ = -1;
    int port_ = 0;
};

// The longest time the event loop went without running a zero-interval
// timer, while it runs.
class LoopGap {
  public:
    LoopGap() {
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { longest_ = std::max(longest_, sinceLast_.restart()); });
    }
    void start() {
        sinceLast_.start();
        timer_.start(0);
    }
    // Runs the event loop for `ms`.
    void runFor(int ms) {
        runUntil([] { return false; }, ms);
    }
    // Runs the event loop until `done` holds or `ms` have passed; true when it held.
    bool runUntil(const std::function<bool()> &done, int ms) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return done();
    }
    qint64 longest() const { return longest_; }

  private:
    QTimer timer_;
    QElapsedTimer sinceLast_;
    qint64 longest_ = 0;
};

} // namespace servertest
