#pragma once
// Runs the windows' web requests off the window's thread. A job is plain C++
// (the web steps of web/) run on the runner's one worker thread; its result
// comes back to the runner's thread by a queued call. Every job names an
// owner: when the owner is destroyed or cancels, its running transfer stops
// at once and its late result is dropped, never shown.
//
// The worker is one thread, so the jobs run one at a time in the order they
// were started: the shared form client (its cookies) is never used from two
// threads at once.
#include "web/Cancel.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace quarn {

class RequestRunner : public QObject {
    Q_OBJECT
  public:
    explicit RequestRunner(QObject *parent = nullptr);
    // Cancels every job and waits until the worker has let go of them.
    ~RequestRunner() override;

    // Runs `job` on the worker; `done` gets its result on the runner's thread
    // unless the owner is gone or its jobs were cancelled in the meantime.
    template <class T>
    void run(QObject *owner, std::function<T()> job, std::function<void(T)> done) {
        auto result = std::make_shared<std::optional<T>>();
        start(
            owner, [job = std::move(job), result] { *result = job(); },
            [done = std::move(done), result] {
                if (*result)
                    done(std::move(**result));
            });
    }

    // Runs the steps in order on the worker, stopping at the first that
    // fails; `done` learns whether all of them succeeded.
    using Step = std::function<bool()>;
    void runSteps(QObject *owner, std::vector<Step> steps, std::function<void(bool)> done);

    // Stops the owner's running transfer and drops its pending results.
    void cancelAll(QObject *owner);
    // True while a job of the owner has not been delivered or dropped.
    bool busy(const QObject *owner) const { return jobsOf_.value(owner) > 0; }

  private:
    struct Job {
        QPointer<QObject> owner;
        const QObject *ownerKey = nullptr;
        web::CancelFlag cancel = web::makeCancelFlag();
    };
    void start(QObject *owner, std::function<void()> work, std::function<void()> deliver);
    void finish(const std::shared_ptr<Job> &job);

    QThreadPool worker_;
    std::vector<std::shared_ptr<Job>> jobs_;
    QHash<const QObject *, int> jobsOf_;
    QHash<const QObject *, QMetaObject::Connection> watches_;
};

} // namespace quarn
