#pragma once
// Tiny servers for the request tests, each on its own thread on 127.0.0.1
// with a port of the system's choice. They answer from a script, so a test
// can send the replies a real server never would.
#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace webtest {

struct ScriptedReply {
    enum class Kind {
        Answer,   // status line, headers and body
        Stall,    // read the request and never answer
        Close,    // close without a word
        Truncate, // announce more body than is sent, then close
    };
    int status = 200;
    std::string body;
    std::vector<std::string> headers; // extra header lines without CR LF
    Kind kind = Kind::Answer;
};

struct RecordedRequest {
    std::string method;
    std::string target; // path and query
    std::string head;   // the header lines
    std::string body;
    // The value of a header, empty when absent (names compared without case).
    std::string header(const std::string &name) const;
    bool hasHeader(const std::string &name) const;
};

class ScriptedHttpServer {
  public:
    ScriptedHttpServer();
    ~ScriptedHttpServer();
    ScriptedHttpServer(const ScriptedHttpServer &) = delete;
    ScriptedHttpServer &operator=(const ScriptedHttpServer &) = delete;

    int port() const { return port_; }
    std::string base() const; // "http://127.0.0.1:<port>"

    // Replies are used in order, one per request; without one the answer is 404.
    void push(ScriptedReply reply);
    void answer(std::string body, int status = 200);
    std::vector<RecordedRequest> requests() const;

  private:
    void run();
    void serve(int fd);

    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::deque<ScriptedReply> replies_;
    std::vector<RecordedRequest> requests_;
    std::thread thread_;
};

// A loopback port on which nothing listens (bound, then released).
int closedPort();

} // namespace webtest
