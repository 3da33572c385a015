// Windows Sockets 1.1 as the window uses it. Whatever a call returns is copied out of the
// library's memory before the call returns, so nothing here refers to the library afterwards.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// What start-up reports besides its result.
struct StartupRecord {
    // The version the library will use: major in the low byte, minor in the high byte.
    std::int16_t wVersion = 0;
    // How many sockets the library offers.
    std::uint16_t iMaxSockets = 0;
};

// What a successful lookup copies out of the host entry.
struct HostEntry {
    // The length of each address, as the entry declares it.
    std::int16_t h_length = 0;
    // The first address of the list in network order, h_length bytes long; empty when the
    // entry's address list is empty or its length is not positive.
    std::vector<std::uint8_t> firstAddress;
};

class Sockets {
public:
    // Starts the library. Returns 0 on success, else an error code; fills `record` only on
    // success.
    virtual int WSAStartup(std::uint16_t versionRequested, StartupRecord& record) = 0;

    // Stops the library. Returns 0 on success, else a non-zero failure value.
    virtual std::int32_t WSACleanup() = 0;

    // Converts UTF-8 text to the narrow character set the resolver takes. Returns nothing when
    // the text holds a character that set cannot represent exactly.
    virtual std::optional<std::string> ToNarrow(std::string_view text) const = 0;

    // Resolves a host name given in the narrow character set; the empty name stands for this
    // computer. Returns nothing when the name cannot be resolved.
    virtual std::optional<HostEntry> gethostbyname(const std::string& name) = 0;

protected:
    ~Sockets() = default;
};

} // namespace platform
