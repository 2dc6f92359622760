#pragma once
// Cancelling a running transfer from another thread. A job that runs web
// requests on a worker thread holds a CancelScope naming its flag; every
// transfer started on that thread while the scope lives checks the flag
// between libcurl's progress reports and stops at once when it is set, so
// the call returns a failed reply without waiting out its time-out.
#include <atomic>
#include <memory>

namespace web {

using CancelFlag = std::shared_ptr<std::atomic<bool>>;

inline CancelFlag makeCancelFlag() {
    return std::make_shared<std::atomic<bool>>(false);
}

class CancelScope {
  public:
    explicit CancelScope(CancelFlag flag);
    ~CancelScope();
    CancelScope(const CancelScope &) = delete;
    CancelScope &operator=(const CancelScope &) = delete;

  private:
    CancelFlag flag_;
    const std::atomic<bool> *previous_;
};

// True when the transfers of this thread have been cancelled.
bool transferCancelled();

// The flag of this thread's scope, null outside one (libcurl's callback).
const std::atomic<bool> *currentCancelFlag();

// Waits `ms` on this thread, ending at once when its transfers are
// cancelled; false when they were.
bool waitUnlessCancelled(long ms);

} // namespace web
