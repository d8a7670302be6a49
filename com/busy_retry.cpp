#include "com/busy_retry.h"

#include <atomic>

#include "com/message_filter.h"

namespace com {

namespace {
std::atomic<long long> boundMs{BusyRetry::kDefaultBound.count()};
}

std::chrono::milliseconds BusyRetry::bound() { return std::chrono::milliseconds(boundMs.load()); }

void BusyRetry::setBound(std::chrono::milliseconds bound) { boundMs = bound.count(); }

DWORD BusyRetry::retryAfter(const OutsideCall& call) {
    MessageFilter* filter = MessageFilter::ofThisThread();
    if (!filter)
        return call.elapsedMs() < bound().count()
                   ? static_cast<DWORD>(MessageFilter::kPollInterval.count())
                   : kGiveUp;
    return filter->RetryRejectedCall(nullptr, call.elapsedMs(), SERVERCALL_RETRYLATER);
}

}  // namespace com
