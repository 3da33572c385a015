// Recognising the names that stand for this machine itself.
#include "platform/posix/OwnName.h"

#include <algorithm>
#include <array>
#include <climits>
#include <unistd.h>

namespace platform::posix {
namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, AsciiLower, AsciiLower);
}

} // namespace

bool NamesThisComputer(std::string_view name, std::string_view ownHostName) {
    if (name.empty()) {
        return true;
    }
    if (name.back() == '.') {
        name.remove_suffix(1);
    }
    return !ownHostName.empty() && EqualIgnoringAsciiCase(name, ownHostName);
}

std::string OwnHostName() {
    std::array<char, HOST_NAME_MAX + 1> buffer{};
    if (gethostname(buffer.data(), buffer.size() - 1) != 0) {
        return {};
    }
    return buffer.data();
}

} // namespace platform::posix
