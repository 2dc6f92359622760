#include "web/Cancel.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace web {
namespace {

thread_local const std::atomic<bool> *threadFlag = nullptr;

} // namespace

CancelScope::CancelScope(CancelFlag flag) : flag_(std::move(flag)), previous_(threadFlag) {
    threadFlag = flag_.get();
}

CancelScope::~CancelScope() {
    threadFlag = previous_;
}

bool transferCancelled() {
    return threadFlag && threadFlag->load();
}

const std::atomic<bool> *currentCancelFlag() {
    return threadFlag;
}

bool waitUnlessCancelled(long ms) {
    constexpr auto kSlice = std::chrono::milliseconds(20);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!transferCancelled()) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= end)
            return true;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kSlice, end - now));
    }
    return false;
}

} // namespace web
