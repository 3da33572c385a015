// An IPv4 address as four bytes in network order.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <netinet/in.h>

namespace platform::posix {

using Ipv4Address = std::array<std::uint8_t, 4>;

inline Ipv4Address ToIpv4Address(const in_addr& address) {
    Ipv4Address bytes{};
    static_assert(sizeof address == sizeof bytes);
    std::memcpy(bytes.data(), &address, sizeof bytes);
    return bytes;
}

} // namespace platform::posix
