#include "platform/posix/PosixSockets.h"

#include <sys/resource.h>

#include <algorithm>

namespace platform::posix {
namespace {

constexpr std::int16_t kVersion1_1 = 0x0101;
constexpr rlim_t kMostSocketsReported = 65535;
constexpr std::int32_t kNotStarted = -1;

// Every socket is a file descriptor, so the open-file limit is how many this process may open.
std::uint16_t SocketsThisProcessMayOpen() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) {
        return 0;
    }
    return static_cast<std::uint16_t>(std::min(limit.rlim_cur, kMostSocketsReported));
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
    return std::string(text);
}

std::optional<HostEntry> PosixSockets::gethostbyname(const std::string& /*name*/) {
    return std::nullopt;
}

} // namespace platform::posix
