// Conversion of UTF-8 text to the narrow character set of the program's current locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::posix {

// Converts UTF-8 text to the character set that the current LC_CTYPE names, exactly: returns
// nothing when the text is not valid UTF-8 or holds a character that set cannot represent.
std::optional<std::string> ToLocaleNarrow(std::string_view utf8);

} // namespace platform::posix
