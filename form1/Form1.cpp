#include "form1/Form1.h"

#include "form1/TrimmedDecimal.h"

#include <string>

namespace form1 {
namespace {

constexpr std::uint16_t kRequestedVersion = 0x0101; // 1.1: major in the low byte
constexpr std::int32_t kLowestMajor = 1;
constexpr std::int32_t kLowestMinor = 1;
constexpr std::int64_t kLowestSocketCount = 1;

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

void Form1::Command1_Click() {}

} // namespace form1
