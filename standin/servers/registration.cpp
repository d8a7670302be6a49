#include "standin/servers/registration.h"

#include <ole2.h>

#include <optional>

#include "com/com_ptr.h"
#include "com/hresult_failure.h"
#include "points/program_failure.h"
#include "standin/com/class_ids.h"
#include "windows/wide_text.h"

namespace standin::servers {

namespace {

using ::com::guidText;
using win::toUtf8;
using win::toWide;

// The system's automation marshallers: a dual or automation-compatible interface goes through
// the type-library marshaller, a dispinterface through the IDispatch one.
constexpr const char* kTypeLibraryMarshaller = "{00020424-0000-0000-C000-000000000046}";
constexpr const char* kDispatchMarshaller = "{00020420-0000-0000-C000-000000000046}";
constexpr const char* kImageValue = "StandIn";

// 64-bit Windows keeps HKEY_CLASSES_ROOT\CLSID and \Interface apart for 32- and 64-bit programs
// (two registry views), and a client looks up a typed interface in its own view only. So the
// interfaces and the type library go into both views and the classes into this executable's own;
// COM starts a local server registered in either. 32-bit Windows ignores the view flags.
constexpr bool kIs64Bit = sizeof(void*) == 8;
constexpr REGSAM kOwnView = kIs64Bit ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
constexpr REGSAM kOtherView = kIs64Bit ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
constexpr REGSAM kBothViews[] = {KEY_WOW64_32KEY, KEY_WOW64_64KEY};
// The type library's file, as each bitness looks it up.
constexpr const char* kOwnPlatform = kIs64Bit ? "win64" : "win32";
constexpr const char* kOtherPlatform = kIs64Bit ? "win32" : "win64";

std::optional<std::string> readText(const std::string& path, const char* name = nullptr,
                                    REGSAM view = kOwnView) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, toWide(path).c_str(), 0, KEY_QUERY_VALUE | view, &key) !=
        ERROR_SUCCESS)
        return std::nullopt;
    wchar_t buffer[1024];
    DWORD size = sizeof buffer;
    const std::wstring wideName = name ? toWide(name) : std::wstring();
    const LONG read = RegGetValueW(key, nullptr, name ? wideName.c_str() : nullptr, RRF_RT_REG_SZ,
                                   nullptr, buffer, &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS) return std::nullopt;
    return toUtf8(buffer);
}

void writeText(const std::string& path, const std::string& value, const char* name = nullptr,
               REGSAM view = kOwnView) {
    HKEY key = nullptr;
    LONG result = RegCreateKeyExW(HKEY_CLASSES_ROOT, toWide(path).c_str(), 0, nullptr, 0,
                                  KEY_WRITE | view, nullptr, &key, nullptr);
    if (result == ERROR_SUCCESS) {
        const std::wstring wide = toWide(value);
        const std::wstring wideName = name ? toWide(name) : std::wstring();
        result = RegSetValueExW(key, name ? wideName.c_str() : nullptr, 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(wide.c_str()),
                                static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    if (result != ERROR_SUCCESS)
        throw points::ProgramFailure("cannot write HKEY_CLASSES_ROOT\\" + path +
                                     " (registering needs an administrator)");
}

}  // namespace

void removeClassesTree(const std::string& path, REGSAM view) {
    const std::wstring wide = toWide(path);
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, wide.c_str(), 0, KEY_ALL_ACCESS | view, &key) !=
        ERROR_SUCCESS)
        return;
    RegDeleteTreeW(key, nullptr);
    RegCloseKey(key);
    RegDeleteKeyExW(HKEY_CLASSES_ROOT, wide.c_str(), view, 0);
}

namespace {

std::string classKey(const CLSID& clsid) { return "CLSID\\" + guidText(clsid); }
std::string libraryKey() { return "TypeLib\\" + guidText(standin::com::kStandinTypeLibrary); }
std::string platformKey(const char* platform) { return libraryKey() + "\\1.0\\0\\" + platform; }

// The interfaces the type library built into `image` describes, with the marshaller each needs.
struct Described {
    std::string iid;
    std::string name;
    const char* marshaller;
};

std::vector<Described> describedInterfaces(const std::wstring& image) {
    ::com::ComPtr<ITypeLib> library;
    ::com::check(LoadTypeLibEx(image.c_str(), REGKIND_NONE, library.receive()),
                 "load the type library");
    std::vector<Described> found;
    for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
        ::com::ComPtr<ITypeInfo> info;
        TYPEATTR* attributes = nullptr;
        if (FAILED(library->GetTypeInfo(i, info.receive())) ||
            FAILED(info->GetTypeAttr(&attributes)))
            continue;
        const bool dual = attributes->wTypeFlags & (TYPEFLAG_FDUAL | TYPEFLAG_FOLEAUTOMATION);
        const TYPEKIND kind = attributes->typekind;
        const std::string iid = guidText(attributes->guid);
        info->ReleaseTypeAttr(attributes);
        if (kind != TKIND_INTERFACE && kind != TKIND_DISPATCH) continue;
        BSTR name = nullptr;
        library->GetDocumentation(static_cast<INT>(i), &name, nullptr, nullptr, nullptr);
        found.push_back(
            {iid, name ? toUtf8(name) : "", dual ? kTypeLibraryMarshaller : kDispatchMarshaller});
        SysFreeString(name);
    }
    return found;
}

bool writtenByStandIn(const std::string& interfaceKey, REGSAM view) {
    return readText(interfaceKey + "\\TypeLib", nullptr, view) ==
           guidText(standin::com::kStandinTypeLibrary);
}

void registerTypeLibrary(const std::wstring& image, std::vector<std::string>& report) {
    const std::string version = libraryKey() + "\\1.0";
    for (REGSAM view : kBothViews) {
        writeText(version, "CMM Points stand-ins", nullptr, view);
        writeText(version + "\\FLAGS", "0", nullptr, view);
        writeText(platformKey(kOwnPlatform), toUtf8(image), nullptr, view);
        // The same interfaces at the same positions: a client of the other bitness reads them
        // from this executable until a server of its own bitness registers.
        if (!readText(platformKey(kOtherPlatform), nullptr, view))
            writeText(platformKey(kOtherPlatform), toUtf8(image), nullptr, view);
    }
    int kept = 0, written = 0;
    for (const auto& face : describedInterfaces(image)) {
        const std::string key = "Interface\\" + face.iid;
        for (REGSAM view : kBothViews) {
            if (readText(key, nullptr, view) && !writtenByStandIn(key, view)) {
                ++kept;  // an installed application describes it already, at the same positions
                continue;
            }
            writeText(key, face.name, nullptr, view);
            writeText(key + "\\ProxyStubClsid32", face.marshaller, nullptr, view);
            writeText(key + "\\TypeLib", guidText(standin::com::kStandinTypeLibrary), nullptr,
                      view);
            writeText(key + "\\TypeLib", "1.0", "Version", view);
            ++written;
        }
    }
    report.push_back("type library: " + std::to_string(written) +
                     " interface entries registered in the 32- and 64-bit views" +
                     (kept ? ", " + std::to_string(kept) + " left to the installed application"
                           : std::string()));
}

void unregisterTypeLibrary(const ServerEntry& entry, const std::wstring& image,
                           std::vector<std::string>& report) {
    const std::string otherClass = classKey(entry.otherStandIn);
    auto other = readText(otherClass, kImageValue);
    if (!other) other = readText(otherClass, kImageValue, kOtherView);
    if (other) {
        // The other stand-in is still registered and uses the same type library.
        for (REGSAM view : kBothViews)
            for (const char* platform : {kOwnPlatform, kOtherPlatform})
                if (readText(platformKey(platform), nullptr, view) == toUtf8(image))
                    writeText(platformKey(platform), *other, nullptr, view);
        report.push_back("type library: kept for the other stand-in");
        return;
    }
    for (const auto& face : describedInterfaces(image))
        for (REGSAM view : kBothViews)
            if (writtenByStandIn("Interface\\" + face.iid, view))
                removeClassesTree("Interface\\" + face.iid, view);
    for (REGSAM view : kBothViews) removeClassesTree(libraryKey(), view);
    report.push_back("type library: removed");
}

// An executable's path in quotes, as a LocalServer32 entry names it (a path may hold blanks).
std::string quotedPath(const std::wstring& image) {
    std::string quoted = "\"";
    quoted += toUtf8(image);
    quoted += '"';
    return quoted;
}

}  // namespace

std::wstring thisImage() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, n);
}

CLSID servedClass(const ServerEntry& entry) {
    CLSID named{};
    if (SUCCEEDED(CLSIDFromProgID(toWide(entry.progId).c_str(), &named))) return named;
    return entry.ownClass;
}

std::vector<std::string> registerServer(const ServerEntry& entry, const std::wstring& image) {
    std::vector<std::string> report;
    const std::string own = classKey(entry.ownClass);
    writeText(own, entry.description);
    writeText(own, toUtf8(image), kImageValue);
    if (entry.localServer) writeText(own + "\\LocalServer32", quotedPath(image));
    report.push_back("class " + guidText(entry.ownClass) + ": " + entry.description);

    const std::string progId = entry.progId;
    const auto named = readText(progId + "\\CLSID");
    if (!named || *named == guidText(entry.ownClass)) {
        writeText(progId, entry.description);
        writeText(progId + "\\CLSID", guidText(entry.ownClass));
        writeText(own + "\\ProgID", progId);
        report.push_back(progId + ": registered for the stand-in");
    } else {
        report.push_back(progId + ": left to the installed application (class " + *named +
                         "); the stand-in serves that class while it runs");
    }
    registerTypeLibrary(image, report);
    return report;
}

std::vector<std::string> unregisterServer(const ServerEntry& entry, const std::wstring& image) {
    std::vector<std::string> report;
    const std::string progId = entry.progId;
    if (readText(progId + "\\CLSID") == guidText(entry.ownClass)) {
        removeClassesTree(progId, kOwnView);
        report.push_back(progId + ": removed");
    }
    removeClassesTree(classKey(entry.ownClass), kOwnView);
    report.push_back("class " + guidText(entry.ownClass) + ": removed");
    unregisterTypeLibrary(entry, image, report);
    return report;
}

}  // namespace standin::servers
