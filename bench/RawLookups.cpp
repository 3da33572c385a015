// The bare system calls that answer ipview's lookups.
#include "bench/RawLookups.h"

#include <array>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace bench {

std::uint32_t RawGetaddrinfo(const std::string& name) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &list) != 0) {
        return 0;
    }
    const auto* address = reinterpret_cast<const sockaddr_in*>(list->ai_addr);
    const std::uint32_t first = address->sin_addr.s_addr;
    freeaddrinfo(list);
    return first;
}

std::uint32_t RawOwnAddress() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return 0;
    }
    std::array<char, 4096> table{};
    const int file = open("/proc/net/route", O_RDONLY | O_CLOEXEC);
    if (file >= 0) {
        while (read(file, table.data(), table.size()) > 0) {
        }
        close(file);
    }
    std::uint32_t first = 0;
    for (const ifaddrs* entry = list; entry != nullptr && first == 0; entry = entry->ifa_next) {
        if (entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_INET &&
            (entry->ifa_flags & IFF_UP) != 0 && (entry->ifa_flags & IFF_LOOPBACK) == 0) {
            first = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr;
        }
    }
    freeifaddrs(list);
    return first;
}

} // namespace bench
