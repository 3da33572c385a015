// Looking up the first IPv4 address of a host name through the system's resolver.
#pragma once

#include "platform/posix/Ipv4Address.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform::posix {

// True for a name, in the locale's narrow character set, that no resolver can know as a host
// name, so that asking one would only wait for its "not found".
bool NeverAHostName(std::string_view name);

// The first IPv4 address the resolver gives for the name, read in the locale's character set;
// names with letters beyond ASCII are looked up as internationalised domain names.
std::optional<Ipv4Address> LookUpIpv4(const std::string& name);

// The address of a name written as an IPv4 number in any form that inet_aton reads ("10.0.0.1",
// "127.1", "0x7f.0.0.1"), read with no look-up; nothing for any other name. The name holds no
// blank (see NeverAHostName), after which inet_aton would ignore the rest.
std::optional<Ipv4Address> NumericIpv4(const std::string& name);

} // namespace platform::posix
