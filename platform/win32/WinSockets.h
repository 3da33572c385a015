// Windows Sockets 1.1 of wsock32.dll, and the ANSI code page in which its resolver takes names.
#pragma once

#include "platform/Sockets.h"

namespace platform::win32 {

class WinSockets final : public Sockets {
public:
    int WSAStartup(std::uint16_t versionRequested, StartupRecord& record) override;
    std::int32_t WSACleanup() override;
    std::optional<std::string> ToNarrow(std::string_view text) const override;
    std::optional<HostEntry> gethostbyname(const std::string& name) override;
};

} // namespace platform::win32
