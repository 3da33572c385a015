// The POSIX sockets library: start-up and clean-up as Windows Sockets 1.1 answers them, exact
// narrow conversion, lookups that answer bad input at once, and this machine's own address.
#include "platform/posix/PosixSockets.h"

#include "platform/posix/HostLookup.h"
#include "platform/posix/OwnName.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>

namespace {

using platform::StartupRecord;
using platform::posix::PosixSockets;

// The address the library gives for the name, dotted, or "(no entry)".
std::string Resolved(const std::string& name) {
    const auto entry = PosixSockets().gethostbyname(name);
    char text[INET_ADDRSTRLEN] = "(no entry)";
    if (entry && entry->h_length == 4 && entry->firstAddress.size() == 4) {
        inet_ntop(AF_INET, entry->firstAddress.data(), text, sizeof text);
    }
    return text;
}

// Start-up's socket count under an open-file limit of `soft`; nothing if that cannot be set.
std::optional<std::uint16_t> SocketsOfferedUnder(rlim_t soft) {
    rlimit previous{};
    getrlimit(RLIMIT_NOFILE, &previous);
    const rlimit wanted{soft, std::max(previous.rlim_max, soft)};
    if (setrlimit(RLIMIT_NOFILE, &wanted) != 0) {
        return std::nullopt;
    }
    StartupRecord record;
    PosixSockets().WSAStartup(0x0101, record);
    setrlimit(RLIMIT_NOFILE, &previous);
    return record.iMaxSockets;
}

TEST(Startup, OffersTheOpenFileLimitAsSocketsUpTo65535) {
    EXPECT_EQ(SocketsOfferedUnder(200), 200);
    const std::optional<std::uint16_t> aboveCap = SocketsOfferedUnder(70000);
    if (!aboveCap) {
        GTEST_SKIP() << "this process may not raise its open-file limit to 70000";
    }
    EXPECT_EQ(aboveCap, 65535);
}

TEST(Cleanup, NeedsOneStartupEachAndOtherwiseFailsWithMinusOne) {
    PosixSockets sockets;
    StartupRecord record;
    EXPECT_EQ(sockets.WSACleanup(), -1);
    ASSERT_EQ(sockets.WSAStartup(0x0101, record), 0);
    EXPECT_EQ(record.wVersion, 0x0101);
    ASSERT_EQ(sockets.WSAStartup(0x0101, record), 0);
    EXPECT_EQ(sockets.WSACleanup(), 0);
    EXPECT_EQ(sockets.WSACleanup(), 0);
    EXPECT_EQ(sockets.WSACleanup(), -1);
}

TEST(ToNarrow, EncodesWhatTheLocaleHoldsAndRejectsTheRest) {
    const PosixSockets sockets;
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(sockets.ToNarrow("host-1.example"), "host-1.example");
    EXPECT_EQ(sockets.ToNarrow("a\xE4\xB8\xAD.cn"), std::nullopt);
    ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
    EXPECT_EQ(sockets.ToNarrow("a\xE4\xB8"), std::nullopt) << "cut short";
    const std::string longText(30000, 'a'); // far beyond one conversion buffer
    EXPECT_EQ(sockets.ToNarrow(longText), longText);
    std::setlocale(LC_ALL, "C");
}

TEST(HostLookup, LocalhostAndNumericFormsGiveTheirAddressAndMalformedNamesNothing) {
    const std::pair<std::string, const char*> cases[] = {
        {"localhost", "127.0.0.1"},
        {"127.1", "127.0.0.1"},
        {"10.1.258", "10.1.1.2"},
        {"2130706433", "127.0.0.1"},
        {"0x7f.0.0.1", "127.0.0.1"},
        {"192.000.002.010", "192.0.2.8"},
        {"255.255.255.255", "255.255.255.255"},
        {std::string("localhost\0x", 11), "(no entry)"},
        {"localhost ", "(no entry)"},
        {" 10.0.0.1", "(no entry)"},
        {"::1", "(no entry)"},
    };
    for (const auto& [text, address] : cases) {
        EXPECT_EQ(Resolved(text), address) << text;
    }
}

TEST(HostLookup, Text64KiBLongIsRefusedQuicklyWithoutAskingTheResolver) {
    const std::string name(64 * 1024, 'a');
    EXPECT_TRUE(platform::posix::NeverAHostName(name));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Resolved(name), "(no entry)");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
}

TEST(OwnName, IsTheHostNameInAnyCaseWithAtMostOneTrailingDot) {
    const std::pair<const char*, bool> cases[] = {
        {"", true}, {"MyBox.", true}, {"mybox..", false}, {"myb", false}, {"mybox.example", false}};
    for (const auto& [text, own] : cases) {
        EXPECT_EQ(platform::posix::NamesThisComputer(text, "mybox"), own) << text;
    }
}

// Run by network_namespaces.sh, which names this machine's address in the namespace it made.
TEST(InNamespace, EmptyNameAndHostNameGiveTheDefaultRouteInterfaceAddress) {
    const char* expected = std::getenv("IPVIEW_OWN_ADDRESS");
    if (expected == nullptr) {
        GTEST_SKIP() << "runs inside the namespaces of network_namespaces.sh";
    }
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    EXPECT_EQ(Resolved(""), expected);
    EXPECT_EQ(Resolved(host), expected) << "even where the hosts file says loopback";
}

} // namespace
