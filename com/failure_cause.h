#pragma once

#include <windows.h>

#include <string>

// Why a COM call failed, in words an operator or a support person can act on. The system's text
// for an HRESULT says what went wrong inside COM; these say what it means for the application.
namespace com {

// The plain hint for the known causes (not registered, not running, refused, busy, stopped
// answering, no such interface); empty for any other result.
std::string hintFor(HRESULT result);

// Where the registry holds `key` under HKEY_CLASSES_ROOT when this program's own view lacks it:
// a note that it is registered for programs of the other bitness only; empty otherwise.
std::string otherBitnessNote(const std::string& key);

// The hint for an object that does not answer to `iid`: across processes the system needs the
// interface registered in this program's registry view to reach it at all.
std::string interfaceHint(const IID& iid);

// How a process runs, as far as this program may tell from its token.
enum class Elevation { Limited, Full, Unknown };

// The hint for an application image running at another elevation than this program, or empty
// when the two match or nothing can be told.
std::string elevationHint(const std::wstring& image, Elevation ours, Elevation theirs);

// The file name of the image a LocalServer32 command line starts, without path or arguments.
std::wstring imageNameOf(const std::wstring& commandLine);

// The hint for an application COM would not hand over (GetActiveObject, CoCreateInstance): an
// elevation mismatch where Windows lets the program see one, else the hint for the result.
std::string activationHint(HRESULT result, const CLSID& application);

}  // namespace com
