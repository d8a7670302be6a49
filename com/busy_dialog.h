#pragma once

#include <string_view>

namespace com {

// The two forms of the dialog shown while an outside application holds up a call: it keeps
// answering "retry later" (busy), or it took the call and has not finished (pending).
enum class BusyPrompt { Busy, Pending };
enum class BusyAnswer { SwitchTo, Retry, Cancel };

// Asks the operator what to do about `application`, modal to this thread's active window.
BusyAnswer askAboutBusyApplication(BusyPrompt prompt, std::string_view application);

// The dialog's controls, for whoever answers it in its place.
inline constexpr int kSwitchToButton = 100;
inline constexpr int kBusyText = 101;

}  // namespace com
