// This machine's own IPv4 addresses, in the order the Windows resolver lists them for its name.
#pragma once

#include "platform/posix/Ipv4Address.h"

#include <ifaddrs.h>
#include <optional>
#include <string>
#include <vector>

namespace platform::posix {

struct InterfaceAddress {
    std::string interfaceName;
    Ipv4Address address{};
};

// The IPv4 addresses of the interfaces in the list that are up and not loopback, in list order.
std::vector<InterfaceAddress> UsableAddresses(const ifaddrs* list);

// The addresses of the default route's interface first, then the others; each group keeps its
// order. 127.0.0.1 alone when there is no address.
std::vector<Ipv4Address> InPreferenceOrder(const std::vector<InterfaceAddress>& addresses,
                                           const std::optional<std::string>& defaultInterface);

// This machine's addresses in preference order; nothing when its interfaces cannot be listed.
std::optional<std::vector<Ipv4Address>> OwnAddresses();

} // namespace platform::posix
