#include "app/win32/user_locale.h"

#include <windows.h>

namespace app::win32 {

points::NumberLocale userNumberLocale() {
    points::NumberLocale locale;
    wchar_t separator[8]{};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    // The length counts the terminating zero.
    if (length == 2 && separator[0] > L' ' && separator[0] < 0x80) {
        locale.decimalSeparator = static_cast<char>(separator[0]);
    }
    return locale;
}

}  // namespace app::win32
