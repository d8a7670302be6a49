#include "com/hresult_failure.h"

#include <cstdio>

#include "com/failure_cause.h"
#include "points/program_failure.h"
#include "windows/wide_text.h"

namespace com {

std::string describeResult(HRESULT result) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    std::string text = code;
    wchar_t* message = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    if (n > 0 && message) {
        std::string description = win::toUtf8({message, n});
        while (!description.empty() && (description.back() == '\n' || description.back() == '\r' ||
                                        description.back() == ' ' || description.back() == '.'))
            description.pop_back();
        if (!description.empty()) text += " (" + description + ")";
    }
    if (message) LocalFree(message);
    return text;
}

void check(HRESULT result, const std::string& member, const std::string& detail) {
    if (SUCCEEDED(result)) return;
    fail(result, member, detail, hintFor(result));
}

void fail(HRESULT result, const std::string& member, const std::string& detail,
          const std::string& hint) {
    std::string what = member + " failed: " + describeResult(result);
    if (!detail.empty()) what += ": " + detail;
    if (!hint.empty()) what += "; " + hint;
    throw points::ProgramFailure(what);
}

std::string guidText(const GUID& guid) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                  guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                  guid.Data4[6], guid.Data4[7]);
    return text;
}

}  // namespace com
