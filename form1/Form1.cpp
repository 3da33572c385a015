#include "form1/Form1.h"

#include "form1/TrimmedDecimal.h"

#include <optional>
#include <string>

namespace form1 {
namespace {

constexpr std::uint16_t kRequestedVersion = 0x0101; // 1.1: major in the low byte
constexpr std::int32_t kLowestMajor = 1;
constexpr std::int32_t kLowestMinor = 1;
constexpr std::int64_t kLowestSocketCount = 1;
constexpr std::int16_t kIPv4AddressLength = 4;

// The first address of the entry in dotted decimal, or nothing when the entry does not hold one
// whole IPv4 address.
std::optional<std::string> DottedAddress(const platform::HostEntry& host) {
    if (host.h_length != kIPv4AddressLength ||
        host.firstAddress.size() != static_cast<std::size_t>(host.h_length)) {
        return std::nullopt;
    }
    std::string dotted;
    for (const std::uint8_t byte : host.firstAddress) {
        dotted += TrimmedDecimal(byte) + ".";
    }
    dotted.pop_back();
    return dotted;
}

// A name the resolver can take: in its character set, and with no NUL, which would cut the name
// short in the resolver's C interface.
std::optional<std::string> ResolvableName(const platform::Sockets& sockets,
                                          const std::string& text) {
    std::optional<std::string> name = sockets.ToNarrow(text);
    if (name && name->find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return name;
}

} // namespace

Form1::Form1(platform::Runtime& runtime, platform::Sockets& sockets)
    : runtime_(runtime), sockets_(sockets) {}

std::int32_t Form1::hibyte(std::int16_t wParam) {
    // Division truncates toward zero before the mask, so negative words keep that rounding.
    return (wParam / 256) & 255;
}

std::int32_t Form1::lobyte(std::int16_t wParam) {
    return wParam & 255;
}

void Form1::SocketsInitialize() {
    platform::StartupRecord record{};
    if (sockets_.WSAStartup(kRequestedVersion, record) != 0) {
        runtime_.ShowMessage("Winsock.dll is not responding.");
        runtime_.End();
    }

    const std::int32_t major = lobyte(record.wVersion);
    const std::int32_t minor = hibyte(record.wVersion);
    if (major < kLowestMajor || (major == kLowestMajor && minor < kLowestMinor)) {
        runtime_.ShowMessage("Windows Sockets version " + TrimmedDecimal(major) + "." +
                             TrimmedDecimal(minor) + " is not supported by winsock.dll ");
        runtime_.End();
    }

    if (record.iMaxSockets < kLowestSocketCount) {
        runtime_.ShowMessage("This application requires a minimum of " +
                             TrimmedDecimal(kLowestSocketCount) + " supported sockets.");
        runtime_.End();
    }
}

void Form1::SocketsCleanup() {
    const std::int32_t result = sockets_.WSACleanup();
    if (result != 0) {
        runtime_.ShowMessage("Socket error " + TrimmedDecimal(result) + " occurred in Cleanup ");
        runtime_.End();
    }
}

void Form1::Form_Load() {
    SocketsInitialize();
}

void Form1::Form_Unload(bool& /*Cancel*/) {
    SocketsCleanup();
}

void Form1::Command1_Click() {
    std::optional<std::string> address;
    if (const auto name = ResolvableName(sockets_, runtime_.Text1Text())) {
        if (const auto host = sockets_.gethostbyname(*name)) {
            address = DottedAddress(*host);
        }
    }
    if (!address) {
        runtime_.ShowMessage("Can't resolve name.");
        return;
    }
    runtime_.SetText1Text(*address);
}

} // namespace form1
