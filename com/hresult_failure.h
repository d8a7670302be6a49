#pragma once

#include <windows.h>

#include <string>

namespace com {

// "0x80020005"-style text of a COM result, with the system's description when it has one.
std::string describeResult(HRESULT result);

// Turns a failed COM result into the program's failure, naming the member that was asked.
void check(HRESULT result, const std::string& member, const std::string& detail = {});

// The interface identifier as the registry writes it, "{...}".
std::string guidText(const GUID& guid);

}  // namespace com
