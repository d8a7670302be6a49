#pragma once

#include <windows.h>

#include <string>

namespace standin::com {

// Writes HKEY_CLASSES_ROOT\<progId>\CLSID, where CLSIDFromProgID looks, and removes it again.
void registerProgId(const std::string& progId, const CLSID& clsid);
void unregisterProgId(const std::string& progId);

}  // namespace standin::com
