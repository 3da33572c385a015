// The network interface that carries this machine's IPv4 default route.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::posix {

// Reads a routing table in the text form of Linux's /proc/net/route: the interface of the
// default route that is up and has the lowest metric, the first listed among equals.
std::optional<std::string> DefaultRouteInterfaceIn(std::string_view routeTable);

// The interface of this machine's default route; nothing when it has none or the table
// cannot be read.
std::optional<std::string> DefaultRouteInterface();

} // namespace platform::posix
