// The first IPv4 address of a host name, from getaddrinfo.
#include "platform/posix/HostLookup.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace platform::posix {
namespace {

// DNS carries names of at most 255 bytes, and each character of a name, once an
// internationalised name is put into ASCII, becomes at least one of them. Refused here so that
// even 64 KiB of text is never handed to the resolver's name conversions.
constexpr std::size_t kMostCharactersInAName = 255;

// glibc reads a name with letters beyond ASCII in the locale's character set and looks it up in
// its ASCII form, as an internationalised domain name.
#ifdef AI_IDN
constexpr int kInternationalNames = AI_IDN;
#else
constexpr int kInternationalNames = 0;
#endif

struct AddrinfoFreer {
    void operator()(addrinfo* list) const { freeaddrinfo(list); }
};

// Host names are letters, digits, hyphens and dots. A blank cannot stand in a hosts file, where
// blanks separate the fields, and a host name in DNS holds neither blanks nor control
// characters. glibc refuses such names itself, but a C library that sends them to DNS would only
// wait for the server's "not found". A NUL would also end the name early and so resolve another.
bool HoldsBlankOrControl(std::string_view name) {
    return std::ranges::any_of(name, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= ' ' || byte == 0x7F;
    });
}

// Counted in the locale's character set; a name that is not valid there is left to the
// resolver, which refuses it without a query.
bool HoldsTooManyCharacters(const std::string& name) {
    if (name.size() <= kMostCharactersInAName) {
        return false;
    }
    const std::size_t characters = std::mbstowcs(nullptr, name.c_str(), 0);
    return characters != static_cast<std::size_t>(-1) && characters > kMostCharactersInAName;
}

} // namespace

bool NeverAHostName(std::string_view name) {
    return HoldsBlankOrControl(name) || HoldsTooManyCharacters(std::string(name));
}

std::optional<Ipv4Address> LookUpIpv4(const std::string& name) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = kInternationalNames;
    addrinfo* list = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &list) != 0) {
        return std::nullopt;
    }
    const std::unique_ptr<addrinfo, AddrinfoFreer> owner(list);
    for (const addrinfo* entry = list; entry != nullptr; entry = entry->ai_next) {
        if (entry->ai_family == AF_INET && entry->ai_addr != nullptr) {
            sockaddr_in address{};
            std::memcpy(&address, entry->ai_addr, sizeof address);
            return ToIpv4Address(address.sin_addr);
        }
    }
    return std::nullopt;
}

std::optional<Ipv4Address> NumericIpv4(const std::string& name) {
    in_addr address{};
    if (inet_aton(name.c_str(), &address) == 0) {
        return std::nullopt;
    }
    return ToIpv4Address(address);
}

} // namespace platform::posix
