// Start-up, clean-up and host lookup of the sockets library on POSIX systems.
#include "platform/posix/PosixSockets.h"

#include "platform/posix/HostLookup.h"
#include "platform/posix/NarrowText.h"
#include "platform/posix/OwnAddresses.h"
#include "platform/posix/OwnName.h"

#include <algorithm>
#include <sys/resource.h>

namespace platform::posix {
namespace {

constexpr std::int16_t kVersion1_1 = 0x0101;
constexpr rlim_t kMostSocketsReported = 65535;
constexpr std::int32_t kNotStarted = -1;
constexpr std::int16_t kIpv4AddressLength = 4;

// Every socket is a file descriptor, so the open-file limit is how many this process may open.
std::uint16_t SocketsThisProcessMayOpen() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) {
        return 0;
    }
    return static_cast<std::uint16_t>(std::min(limit.rlim_cur, kMostSocketsReported));
}

HostEntry EntryFor(const Ipv4Address& address) {
    return {kIpv4AddressLength, {address.begin(), address.end()}};
}

// The Windows resolver answers this machine's own names with its interface addresses, never
// with the loopback address that a hosts file may give for its host name.
std::optional<HostEntry> OwnEntry() {
    const std::optional<std::vector<Ipv4Address>> addresses = OwnAddresses();
    if (!addresses) {
        return std::nullopt;
    }
    return EntryFor(addresses->front());
}

} // namespace

int PosixSockets::WSAStartup(std::uint16_t /*versionRequested*/, StartupRecord& record) {
    ++startups_;
    record.wVersion = kVersion1_1;
    record.iMaxSockets = SocketsThisProcessMayOpen();
    return 0;
}

std::int32_t PosixSockets::WSACleanup() {
    if (startups_ == 0) {
        return kNotStarted;
    }
    --startups_;
    return 0;
}

std::optional<std::string> PosixSockets::ToNarrow(std::string_view text) const {
    return ToLocaleNarrow(text);
}

std::optional<HostEntry> PosixSockets::gethostbyname(const std::string& name) {
    if (NeverAHostName(name)) {
        return std::nullopt;
    }
    // A number stands for its own address, read with no look-up: the host name that the check
    // below needs costs a system call, many times the reading.
    if (const std::optional<Ipv4Address> numeric = NumericIpv4(name)) {
        return EntryFor(*numeric);
    }
    // The empty name is this machine's without asking for the host name.
    if (name.empty() || NamesThisComputer(name, OwnHostName())) {
        return OwnEntry();
    }
    const std::optional<Ipv4Address> address = LookUpIpv4(name);
    if (!address) {
        return std::nullopt;
    }
    return EntryFor(*address);
}

} // namespace platform::posix
