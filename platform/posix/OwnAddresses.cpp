// This machine's own IPv4 addresses from its interface list and its default route.
#include "platform/posix/OwnAddresses.h"

#include "platform/posix/DefaultRoute.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace platform::posix {
namespace {

constexpr Ipv4Address kLoopback = {127, 0, 0, 1};

struct IfaddrsFreer {
    void operator()(ifaddrs* list) const { freeifaddrs(list); }
};

bool IsUsable(const ifaddrs& entry) {
    return entry.ifa_addr != nullptr && entry.ifa_addr->sa_family == AF_INET &&
           (entry.ifa_flags & IFF_UP) != 0 && (entry.ifa_flags & IFF_LOOPBACK) == 0;
}

Ipv4Address AddressOf(const ifaddrs& entry) {
    sockaddr_in address{};
    std::memcpy(&address, entry.ifa_addr, sizeof address);
    return ToIpv4Address(address.sin_addr);
}

} // namespace

std::vector<InterfaceAddress> UsableAddresses(const ifaddrs* list) {
    std::vector<InterfaceAddress> usable;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (IsUsable(*entry)) {
            usable.push_back({entry->ifa_name, AddressOf(*entry)});
        }
    }
    return usable;
}

std::vector<Ipv4Address> InPreferenceOrder(const std::vector<InterfaceAddress>& addresses,
                                           const std::optional<std::string>& defaultInterface) {
    if (addresses.empty()) {
        return {kLoopback};
    }
    std::vector<InterfaceAddress> ordered = addresses;
    std::stable_partition(ordered.begin(), ordered.end(), [&](const InterfaceAddress& entry) {
        return entry.interfaceName == defaultInterface;
    });
    std::vector<Ipv4Address> result;
    result.reserve(ordered.size());
    for (const InterfaceAddress& entry : ordered) {
        result.push_back(entry.address);
    }
    return result;
}

std::optional<std::vector<Ipv4Address>> OwnAddresses() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return std::nullopt;
    }
    const std::unique_ptr<ifaddrs, IfaddrsFreer> owner(list);
    return InPreferenceOrder(UsableAddresses(list), DefaultRouteInterface());
}

} // namespace platform::posix
