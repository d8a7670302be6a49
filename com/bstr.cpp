#include "com/bstr.h"

#include <utility>

#include "windows/wide_text.h"

namespace com {

Bstr::Bstr(std::string_view utf8) {
    const std::wstring wide = win::toWide(utf8);
    s_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

Bstr::Bstr(Bstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}

Bstr& Bstr::operator=(Bstr&& other) noexcept {
    if (this != &other) {
        SysFreeString(s_);
        s_ = std::exchange(other.s_, nullptr);
    }
    return *this;
}

Bstr::~Bstr() { SysFreeString(s_); }

BSTR Bstr::release() { return std::exchange(s_, nullptr); }

BSTR* Bstr::receive() {
    SysFreeString(std::exchange(s_, nullptr));
    return &s_;
}

std::string Bstr::utf8() const { return s_ ? win::toUtf8({s_, SysStringLen(s_)}) : std::string(); }

}  // namespace com
