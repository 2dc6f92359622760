#include "web/Cancel.h"

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

} // namespace web
