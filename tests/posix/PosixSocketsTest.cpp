// The POSIX sockets library: start-up and clean-up as Windows Sockets 1.1 answers them, exact
// narrow conversion, and lookups that answer bad input at once.
#include "platform/posix/PosixSockets.h"

#include "platform/posix/HostLookup.h"
#include "platform/posix/OwnName.h"
#include "posix/Resolved.h"

#include <algorithm>
#include <chrono>
#include <clocale>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/resource.h>

namespace {

using platform::StartupRecord;
using platform::posix::PosixSockets;
using posix_tests::Resolved;

// The socket count start-up offers under an open-file limit of `soft`; nothing when this
// process may not set that limit.
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
    std::string longUtf8;
    std::string longGb2312;
    for (int i = 0; i < 10000; ++i) {
        longUtf8 += "\xE4\xB8\xAD";
        longGb2312 += "\xD6\xD0";
    }
    const struct {
        const char* locale;
        std::string utf8;
        std::optional<std::string> narrow;
    } cases[] = {
        {"C.UTF-8", "a\xE4\xB8", std::nullopt},
        {"C", "host-1.example", "host-1.example"},
        {"C", "caf\xC3\xA9", std::nullopt},
        {"zh_CN.GB2312", "a\xE4\xB8\xAD.cn", "a\xD6\xD0.cn"},
        {"zh_CN.GB2312", "\xED\x95\x9C", std::nullopt},
        {"zh_CN.GB2312", longUtf8, longGb2312},
    };
    for (const auto& row : cases) {
        ASSERT_NE(std::setlocale(LC_ALL, row.locale), nullptr) << row.locale << " is missing";
        EXPECT_EQ(PosixSockets().ToNarrow(row.utf8), row.narrow) << row.locale << " " << row.utf8;
    }
    std::setlocale(LC_ALL, "C");
}

TEST(HostLookup, LocalhostAndNumericFormsGiveTheAddressTheyName) {
    const struct {
        const char* text;
        const char* address;
    } cases[] = {
        {"localhost", "127.0.0.1"},       {"10.0.0.1", "10.0.0.1"},
        {"127.1", "127.0.0.1"},           {"10.1.258", "10.1.1.2"},
        {"2130706433", "127.0.0.1"},      {"0x7f.0.0.1", "127.0.0.1"},
        {"192.000.002.010", "192.0.2.8"}, {"255.255.255.255", "255.255.255.255"},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(Resolved(row.text), row.address) << row.text;
    }
}

TEST(HostLookup, MalformedNamesGiveNoEntry) {
    for (const std::string& name :
         {std::string("localhost\0x", 11), std::string("localhost "), std::string(" 10.0.0.1"),
          std::string("::1"), std::string(64, 'a') + ".invalid", std::string(300, 'a')}) {
        EXPECT_EQ(Resolved(name), "(no entry)") << name;
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
    const struct {
        const char* text;
        bool own;
    } cases[] = {{"", true},         {"MyBox", true}, {"MYBOX", true},    {"mybox.", true},
                 {"mybox..", false}, {"myb", false},  {"myboxes", false}, {"mybox.example", false}};
    for (const auto& row : cases) {
        EXPECT_EQ(platform::posix::NamesThisComputer(row.text, "mybox"), row.own) << row.text;
    }
    EXPECT_FALSE(platform::posix::NamesThisComputer(".", "")) << "host name unknown";
}

} // namespace
