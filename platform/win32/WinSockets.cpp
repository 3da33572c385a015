#include "platform/win32/WinSockets.h"

#include "platform/win32/RunTimeFunction.h"
#include "platform/win32/SystemLibraries.h"
#include "platform/win32/UnexpectedErrorReport.h"
#include "platform/win32/Utf16.h"

#include <cstring>
#include <windows.h>
#include <winsock.h>

namespace platform::win32 {

void WinSockets::LoadLibraryOnce() {
    if (library_ != nullptr) {
        return;
    }
    library_ = LoadSystemLibrary(L"wsock32.dll");
    if (library_ == nullptr) {
        ReportUnexpectedError();
    }
    startup_ = FunctionOf<StartupFunction>(library_, "WSAStartup");
    cleanup_ = FunctionOf<CleanupFunction>(library_, "WSACleanup");
    lookup_ = FunctionOf<LookupFunction>(library_, "gethostbyname");
    if (startup_ == nullptr || cleanup_ == nullptr || lookup_ == nullptr) {
        ReportUnexpectedError();
    }
}

int WinSockets::WSAStartup(std::uint16_t versionRequested, StartupRecord& record) {
    LoadLibraryOnce();
    WSADATA data{};
    const int result = startup_(versionRequested, &data);
    if (result == 0) {
        record.wVersion = static_cast<std::int16_t>(data.wVersion);
        record.iMaxSockets = data.iMaxSockets;
    }
    return result;
}

std::int32_t WinSockets::WSACleanup() {
    LoadLibraryOnce();
    return cleanup_();
}

std::optional<std::string> WinSockets::ToNarrow(std::string_view text) const {
    const std::wstring wide = Widen(text);
    if (wide.empty()) {
        return std::string{};
    }
    const UINT codePage = GetACP();
    // The UTF-8 code page represents everything and refuses the usual flags.
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const usedDefaultOut = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const int inputLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), inputLength, nullptr, 0,
                                           nullptr, usedDefaultOut);
    if (length == 0 || usedDefault) {
        return std::nullopt;
    }
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), inputLength, narrow.data(), length, nullptr,
                        nullptr);
    return narrow;
}

std::optional<HostEntry> WinSockets::gethostbyname(const std::string& name) {
    LoadLibraryOnce();
    const hostent* const entry = lookup_(name.c_str());
    if (entry == nullptr) {
        return std::nullopt;
    }
    // The entry lives in the library's memory until the next sockets call: copy it out now.
    HostEntry host{.h_length = entry->h_length, .firstAddress = {}};
    const char* const firstAddress =
        entry->h_addr_list != nullptr ? entry->h_addr_list[0] : nullptr;
    if (host.h_length > 0 && firstAddress != nullptr) {
        host.firstAddress.resize(static_cast<std::size_t>(host.h_length));
        std::memcpy(host.firstAddress.data(), firstAddress, host.firstAddress.size());
    }
    return host;
}

} // namespace platform::win32
