#include "com/safe_array.h"

#include <cstring>
#include <new>
#include <utility>

namespace com {

SafeArray::SafeArray(const std::vector<double>& values) {
    a_ = SafeArrayCreateVector(VT_R8, 0, static_cast<ULONG>(values.size()));
    if (!a_) throw std::bad_alloc();
    if (values.empty()) return;
    void* data = nullptr;
    SafeArrayAccessData(a_, &data);
    std::memcpy(data, values.data(), values.size() * sizeof(double));
    SafeArrayUnaccessData(a_);
}

SafeArray::SafeArray(SafeArray&& other) noexcept : a_(std::exchange(other.a_, nullptr)) {}

SafeArray& SafeArray::operator=(SafeArray&& other) noexcept {
    if (this != &other) {
        if (a_) SafeArrayDestroy(a_);
        a_ = std::exchange(other.a_, nullptr);
    }
    return *this;
}

SafeArray::~SafeArray() {
    if (a_) SafeArrayDestroy(a_);
}

}  // namespace com
