#pragma once

#include <ole2.h>
#include <windows.h>

#include <vector>

namespace com {

// Owns a one-dimensional SAFEARRAY of doubles with lower bound 0, or none at all (an array that
// was never allocated).
class SafeArray {
  public:
    SafeArray() = default;
    explicit SafeArray(const std::vector<double>& values);
    SafeArray(const SafeArray&) = delete;
    SafeArray& operator=(const SafeArray&) = delete;
    SafeArray(SafeArray&& other) noexcept;
    SafeArray& operator=(SafeArray&& other) noexcept;
    ~SafeArray();

    SAFEARRAY* get() const { return a_; }
    // Where a by-reference VARIANT points, so a callee may replace the array as VB arrays allow.
    SAFEARRAY** address() { return &a_; }

  private:
    SAFEARRAY* a_ = nullptr;
};

}  // namespace com
