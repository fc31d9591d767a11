#pragma once
// Text at the Windows boundary: the program keeps UTF-8, the wide (W)
// functions take UTF-16, and the ANSI (A) interfaces answer in the system's
// code page.

#include <string>
#include <string_view>

namespace velmora {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
std::string AnsiToUtf8(std::string_view text);

}  // namespace velmora
