// The bare system calls that answer ipview's lookups: the floors its resolver is measured against.
#pragma once

#include <cstdint>
#include <string>

namespace bench {

// The first IPv4 address that getaddrinfo gives for the name, as a number in network order;
// zero when it gives none.
std::uint32_t RawGetaddrinfo(const std::string& name);

// getifaddrs and a read of /proc/net/route, the least that finds this machine's address on the
// interface of its default route: the first IPv4 address of an interface that is up and not
// loopback, in network order; zero when there is none.
std::uint32_t RawOwnAddress();

} // namespace bench
