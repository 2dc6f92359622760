#include "web/view/RequestRunner.h"

#include <QMetaObject>

#include <algorithm>

namespace quarn {

RequestRunner::RequestRunner(QObject *parent) : QObject(parent) {
    worker_.setMaxThreadCount(1);
    worker_.setExpiryTimeout(-1);
}

RequestRunner::~RequestRunner() {
    for (const auto &job : jobs_)
        job->cancel->store(true);
    worker_.waitForDone();
}

void RequestRunner::start(QObject *owner, std::function<void()> work,
                          std::function<void()> deliver) {
    auto job = std::make_shared<Job>();
    job->owner = owner;
    job->ownerKey = owner;
    jobs_.push_back(job);
    if (jobsOf_[owner]++ == 0 && owner)
        watches_.insert(
            owner, connect(owner, &QObject::destroyed, this, [this, owner] { cancelAll(owner); }));
    QPointer<RequestRunner> self(this);
    worker_.start([self, job, work = std::move(work), deliver = std::move(deliver)]() mutable {
        if (!job->cancel->load()) {
            web::CancelScope scope(job->cancel);
            work();
        }
        if (!self)
            return;
        QMetaObject::invokeMethod(
            self.data(),
            [self, job, deliver = std::move(deliver)] {
                const bool wanted = !job->cancel->load() && job->owner;
                self->finish(job);
                if (wanted)
                    deliver();
            },
            Qt::QueuedConnection);
    });
}

void RequestRunner::finish(const std::shared_ptr<Job> &job) {
    const auto at = std::find(jobs_.begin(), jobs_.end(), job);
    if (at == jobs_.end())
        return;
    jobs_.erase(at);
    if (--jobsOf_[job->ownerKey] <= 0) {
        jobsOf_.remove(job->ownerKey);
        disconnect(watches_.take(job->ownerKey));
    }
}

void RequestRunner::runSteps(QObject *owner, std::vector<Step> steps,
                             std::function<void(bool)> done) {
    run<bool>(
        owner,
        [steps = std::move(steps)] {
            for (const Step &step : steps)
                if (web::transferCancelled() || !step())
                    return false;
            return true;
        },
        std::move(done));
}

void RequestRunner::cancelAll(QObject *owner) {
    for (const auto &job : jobs_)
        if (job->ownerKey == owner)
            job->cancel->store(true);
}

} // namespace quarn
