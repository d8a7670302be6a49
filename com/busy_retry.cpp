#include "com/busy_retry.h"

#include <atomic>

namespace com {

namespace {
std::atomic<long long> boundMs{BusyRetry::kDefaultBound.count()};
}

std::chrono::milliseconds BusyRetry::bound() { return std::chrono::milliseconds(boundMs.load()); }

void BusyRetry::setBound(std::chrono::milliseconds bound) { boundMs = bound.count(); }

}  // namespace com
