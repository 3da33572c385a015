// The sockets library on POSIX systems: start-up and clean-up that answer as Windows Sockets 1.1
// does, and a resolver on the system's own.
#pragma once

#include "platform/Sockets.h"

namespace platform::posix {

class PosixSockets final : public Sockets {
public:
    int WSAStartup(std::uint16_t versionRequested, StartupRecord& record) override;
    std::int32_t WSACleanup() override;
    std::optional<std::string> ToNarrow(std::string_view text) const override;
    std::optional<HostEntry> gethostbyname(const std::string& name) override;

private:
    // Start-ups not yet matched by a clean-up, as the Windows library counts them.
    int startups_ = 0;
};

} // namespace platform::posix
