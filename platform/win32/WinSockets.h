// Windows Sockets 1.1 of wsock32.dll, and the ANSI code page in which its resolver takes names.
#pragma once

#include "platform/Sockets.h"

#include <windows.h>

struct WSAData;
struct hostent;

namespace platform::win32 {

// The library is loaded at the first call into it, from the system folder only; a library or a
// function of it that cannot be had there is an unexpected error, reported before the call.
class WinSockets final : public Sockets {
public:
    int WSAStartup(std::uint16_t versionRequested, StartupRecord& record) override;
    std::int32_t WSACleanup() override;
    std::optional<std::string> ToNarrow(std::string_view text) const override;
    std::optional<HostEntry> gethostbyname(const std::string& name) override;

private:
    using StartupFunction = int(WINAPI*)(WORD, WSAData*);
    using CleanupFunction = int(WINAPI*)();
    using LookupFunction = hostent*(WINAPI*)(const char*);

    void LoadLibraryOnce();

    HMODULE library_ = nullptr;
    StartupFunction startup_ = nullptr;
    CleanupFunction cleanup_ = nullptr;
    LookupFunction lookup_ = nullptr;
};

} // namespace platform::win32
