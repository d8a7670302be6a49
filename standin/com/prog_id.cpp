#include "standin/com/prog_id.h"

#include "automation/com/failure.h"
#include "automation/com/text.h"

namespace standin::com {

void registerProgId(const std::string& progId, const CLSID& clsid) {
    const std::wstring key = automation::com::toWide(progId + "\\CLSID");
    const std::wstring value = automation::com::toWide(automation::com::guidText(clsid));
    HKEY handle = nullptr;
    automation::com::check(
        HRESULT_FROM_WIN32(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE,
                                           nullptr, &handle, nullptr)),
        "register " + progId);
    const LONG written =
        RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    automation::com::check(HRESULT_FROM_WIN32(written), "register " + progId);
}

void unregisterProgId(const std::string& progId) {
    RegDeleteKeyW(HKEY_CLASSES_ROOT, automation::com::toWide(progId + "\\CLSID").c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, automation::com::toWide(progId).c_str());
}

}  // namespace standin::com
