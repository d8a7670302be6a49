#include "com/outside_call.h"

#include <utility>

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

OutsideCall::OutsideCall(Link* link)
    : link_(link), started_(std::chrono::steady_clock::now()), outer_(innermost) {
    innermost = this;
    if (!outer_ && watcher) watcher->callStarted();
}

OutsideCall::~OutsideCall() {
    innermost = outer_;
    if (!outer_ && watcher) watcher->callEnded();
}

OutsideCall* OutsideCall::current() { return innermost; }

const OutsideApplication* OutsideCall::application() const {
    return link_ ? link_->application() : nullptr;
}

DWORD OutsideCall::elapsedMs() const {
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                  std::chrono::steady_clock::now() - started_)
                                  .count());
}

const OutsideCall& OutsideCall::outermost() const {
    const OutsideCall* call = this;
    while (call->outer_) call = call->outer_;
    return *call;
}

OutsideCall& OutsideCall::outermost() {
    return const_cast<OutsideCall&>(std::as_const(*this).outermost());
}

bool OutsideCall::steppedAside() const { return outermost().aside_.has_value(); }

void OutsideCall::stepAsideTopmost(HWND application) {
    if (!steppedAside()) outermost().aside_.emplace(application);
}

void OutsideCall::cancel() {
    cancelled_ = true;
    if (link_) link_->abandon();
}

}  // namespace com
