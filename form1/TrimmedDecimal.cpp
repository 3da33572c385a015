#include "form1/TrimmedDecimal.h"

#include <array>
#include <charconv>

namespace form1 {

std::string TrimmedDecimal(std::int64_t number) {
    std::array<char, 24> digits{};
    // to_chars is locale-independent, unlike the printf family.
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), number);
    (void)error; // 24 characters hold every 64-bit number
    return std::string(digits.data(), end);
}

} // namespace form1
