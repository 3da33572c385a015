// Conversions between the program's UTF-8 and the UTF-16 that Windows takes.
#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// Invalid sequences become U+FFFD, as Windows converts them.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

} // namespace platform::win32
