#pragma once
// The web client and the request runner of a window: the main window's when
// it hands its runner in, else a runner of the window's own with a client of
// its own (a client is never used from two threads at once). Going away, it
// cancels the window's requests; a runner of the window's own is let go only
// once its cancelled transfer has stopped, so that closing never waits.
#include <QObject>

#include <memory>

namespace web {
class WebClient;
}

namespace quarn {

class RequestRunner;

class WindowRequests {
  public:
    WindowRequests(QObject *window, web::WebClient &shared, RequestRunner *sharedRunner);
    ~WindowRequests();
    WindowRequests(const WindowRequests &) = delete;
    WindowRequests &operator=(const WindowRequests &) = delete;

    web::WebClient &client() { return client_; }
    RequestRunner &runner() { return runner_; }
    // True while a request of the window has not come back.
    bool busy() const;
    // Stops the window's requests and drops their replies.
    void cancel();

  private:
    QObject *window_;
    std::unique_ptr<web::WebClient> ownClient_;
    std::unique_ptr<RequestRunner> ownRunner_;
    web::WebClient &client_;
    RequestRunner &runner_;
};

} // namespace quarn
