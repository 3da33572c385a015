// Numbers as the program shows them: no blank, no leading zeros, no group separators, a minus
// sign before a negative number, whatever the user's locale.
#pragma once

#include <cstdint>
#include <string>

namespace form1 {

std::string TrimmedDecimal(std::int64_t number);

} // namespace form1
