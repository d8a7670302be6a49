#pragma once

#include <windows.h>

#include <string>

#include "com/com_ptr.h"

namespace com {

// "0x80020005"-style text of a COM result, with the system's description when it has one.
std::string describeResult(HRESULT result);

// Turns a failed COM result into the program's failure, naming the member that was asked: the
// result, the system's text for it, `detail`, and the plain hint for it (com/failure_cause.h).
void check(HRESULT result, const std::string& member, const std::string& detail = {});

// The same failure with a hint the caller found for this result, where it knows more than the
// result alone tells.
[[noreturn]] void fail(HRESULT result, const std::string& member, const std::string& detail,
                       const std::string& hint);

// The interface identifier as the registry writes it, "{...}".
std::string guidText(const GUID& guid);

}  // namespace com
