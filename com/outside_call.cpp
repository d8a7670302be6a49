#include "com/outside_call.h"

namespace com {

namespace {
thread_local OutsideCall* innermost = nullptr;
thread_local OutsideCall::Watcher* watcher = nullptr;
}  // namespace

OutsideCall::Watcher* OutsideCall::watchThisThread(Watcher* next) {
    Watcher* previous = watcher;
    watcher = next;
    return previous;
}

OutsideCall::OutsideCall(const OutsideApplication* application)
    : application_(application), started_(std::chrono::steady_clock::now()), outer_(innermost) {
    innermost = this;
    if (!outer_ && watcher) watcher->callStarted();
}

OutsideCall::~OutsideCall() {
    innermost = outer_;
    if (!outer_ && watcher) watcher->callEnded();
}

OutsideCall* OutsideCall::current() { return innermost; }

DWORD OutsideCall::elapsedMs() const {
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                  std::chrono::steady_clock::now() - started_)
                                  .count());
}

void OutsideCall::stepAsideTopmost() {
    OutsideCall* outermost = this;
    while (outermost->outer_) outermost = outermost->outer_;
    if (outermost->steppedAside_) return;
    outermost->steppedAside_ = true;
    outermost->aside_.stepAside();
}

}  // namespace com
