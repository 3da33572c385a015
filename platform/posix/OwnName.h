// Whether a name stands for this machine itself.
#pragma once

#include <string>
#include <string_view>

namespace platform::posix {

// True for the empty name and for this machine's host name in any letter case, also written
// with one trailing dot.
bool NamesThisComputer(std::string_view name, std::string_view ownHostName);

// This machine's host name; empty when it cannot be read.
std::string OwnHostName();

} // namespace platform::posix
