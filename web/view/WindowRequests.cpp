#include "web/view/WindowRequests.h"

#include "web/WebClient.h"
#include "web/view/RequestRunner.h"

#include <QTimer>

namespace quarn {

namespace {

// A client of the same server as `shared`, for a runner of the window's own.
std::unique_ptr<web::WebClient> clientLike(web::WebClient &shared) {
    auto own = std::make_unique<web::WebClient>(
        web::ServerOfRun{shared.source(), {}, shared.addresses()}, shared.options());
    own->setRemote(shared.remote());
    own->forms().setReadTimeout(shared.forms().readTimeout());
    return own;
}

// Keeps a closed window's own runner and client until its cancelled
// transfer has stopped.
void retireWhenIdle(std::unique_ptr<RequestRunner> runner, std::unique_ptr<web::WebClient> client,
                    const QObject *window) {
    auto *look = new QTimer;
    look->setInterval(50);
    QObject::connect(look, &QTimer::timeout,
                     [look, runner = runner.release(), client = client.release(), window] {
                         if (runner->busy(window))
                             return;
                         delete runner;
                         delete client;
                         look->deleteLater();
                     });
    look->start();
}

} // namespace

WindowRequests::WindowRequests(QObject *window, web::WebClient &shared, RequestRunner *sharedRunner)
    : window_(window), ownClient_(sharedRunner ? nullptr : clientLike(shared)),
      ownRunner_(sharedRunner ? nullptr : std::make_unique<RequestRunner>()),
      client_(sharedRunner ? shared : *ownClient_),
      runner_(sharedRunner ? *sharedRunner : *ownRunner_) {}

WindowRequests::~WindowRequests() {
    cancel();
    if (ownRunner_)
        retireWhenIdle(std::move(ownRunner_), std::move(ownClient_), window_);
}

bool WindowRequests::busy() const {
    return runner_.busy(window_);
}

void WindowRequests::cancel() {
    runner_.cancelAll(window_);
}

} // namespace quarn
