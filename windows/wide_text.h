#pragma once

#include <string>
#include <string_view>

// The program's texts are UTF-8; COM's are UTF-16.
namespace win {

std::wstring toWide(std::string_view text);
std::string toUtf8(std::wstring_view text);

}  // namespace win
