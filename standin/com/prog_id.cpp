#include "standin/com/prog_id.h"

#include "com/hresult_failure.h"
#include "windows/wide_text.h"

namespace standin::com {

void registerProgId(const std::string& progId, const CLSID& clsid) {
    const std::wstring key = win::toWide(progId + "\\CLSID");
    const std::wstring value = win::toWide(::com::guidText(clsid));
    HKEY handle = nullptr;
    ::com::check(HRESULT_FROM_WIN32(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0,
                                                    KEY_WRITE, nullptr, &handle, nullptr)),
                 "register " + progId);
    const LONG written =
        RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    ::com::check(HRESULT_FROM_WIN32(written), "register " + progId);
}

void unregisterProgId(const std::string& progId) {
    RegDeleteKeyW(HKEY_CLASSES_ROOT, win::toWide(progId + "\\CLSID").c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, win::toWide(progId).c_str());
}

}  // namespace standin::com
