#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>
#include <string_view>

namespace com {

// Owns one BSTR.
class Bstr {
  public:
    Bstr() = default;
    explicit Bstr(std::string_view utf8);
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept;
    Bstr& operator=(Bstr&& other) noexcept;
    ~Bstr();

    BSTR get() const { return s_; }
    // Gives up ownership, for a VARIANT that takes it over.
    BSTR release();
    BSTR* receive();
    std::string utf8() const;

  private:
    BSTR s_ = nullptr;
};

}  // namespace com
