// Names other than this machine's are resolved by the system's resolver, and bad input is
// answered at once with no entry.
#include "platform/posix/HostLookup.h"

#include "platform/posix/PosixSockets.h"
#include "posix/CaseName.h"

#include <chrono>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using platform::HostEntry;
using platform::posix::NeverAHostName;
using platform::posix::PosixSockets;
using Clock = std::chrono::steady_clock;

std::optional<std::vector<std::uint8_t>> FirstAddress(const std::string& name) {
    const std::optional<HostEntry> entry = PosixSockets().gethostbyname(name);
    if (!entry) {
        return std::nullopt;
    }
    EXPECT_EQ(entry->h_length, 4) << name;
    return entry->firstAddress;
}

using Bytes = std::vector<std::uint8_t>;

TEST(HostLookup, LocalhostIsTheLoopbackAddress) {
    EXPECT_EQ(FirstAddress("localhost"), (Bytes{127, 0, 0, 1}));
}

struct NumericCase {
    const char* name;
    const char* text;
    Bytes address;
};

class NumericForms : public testing::TestWithParam<NumericCase> {};

TEST_P(NumericForms, GiveTheAddressTheyWrite) {
    EXPECT_EQ(FirstAddress(GetParam().text), GetParam().address);
}

INSTANTIATE_TEST_SUITE_P(
    InetAtonForms, NumericForms,
    testing::Values(NumericCase{"DottedDecimal", "10.0.0.1", {10, 0, 0, 1}},
                    NumericCase{"TwoParts", "127.1", {127, 0, 0, 1}},
                    NumericCase{"ThreeParts", "10.1.258", {10, 1, 1, 2}},
                    NumericCase{"OnePart", "2130706433", {127, 0, 0, 1}},
                    NumericCase{"HexFirstPart", "0x7f.0.0.1", {127, 0, 0, 1}},
                    NumericCase{"OctalFirstPart", "0177.0.0.1", {127, 0, 0, 1}},
                    NumericCase{"LeadingZerosAreOctal", "192.000.002.010", {192, 0, 2, 8}},
                    NumericCase{"Broadcast", "255.255.255.255", {255, 255, 255, 255}},
                    NumericCase{"AllZero", "0.0.0.0", {0, 0, 0, 0}}),
    posix_tests::CaseName());

struct UnresolvedCase {
    const char* name;
    std::string text;
};

class Unresolved : public testing::TestWithParam<UnresolvedCase> {};

TEST_P(Unresolved, GivesNoEntry) {
    EXPECT_EQ(FirstAddress(GetParam().text), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    BadNames, Unresolved,
    testing::Values(
        UnresolvedCase{"EmbeddedNulAfterOwnName", std::string("localhost\0x", 11)},
        UnresolvedCase{"SpacesOnly", "   "}, UnresolvedCase{"LeadingBlank", " localhost"},
        UnresolvedCase{"TrailingBlank", "localhost "},
        UnresolvedCase{"TrailingNewline", "localhost\n"}, UnresolvedCase{"Tab", "local\thost"},
        UnresolvedCase{"Percent", "%"}, UnresolvedCase{"Slash", "/"}, UnresolvedCase{"At", "@"},
        UnresolvedCase{"Colon", ":"}, UnresolvedCase{"BracketedIpv6", "[::1]"},
        UnresolvedCase{"Ipv6Loopback", "::1"},
        UnresolvedCase{"NumericWithTrailingBlank", "10.0.0.1 "},
        UnresolvedCase{"Label63", std::string(63, 'a') + ".invalid"},
        UnresolvedCase{"OverlongLabel", std::string(64, 'a') + ".invalid"},
        UnresolvedCase{"Name253", std::string(63, 'a') + "." + std::string(63, 'b') + "." +
                                      std::string(63, 'c') + "." + std::string(61, 'd')},
        UnresolvedCase{"TrailingDotUnknown", "no-such-host.invalid."},
        UnresolvedCase{"ChineseName", "\xE4\xB8\xAD\xE6\x96\x87.invalid"},
        UnresolvedCase{"Name300Bytes", std::string(300, 'a')},
        UnresolvedCase{"InvalidTld", "no-such-host.invalid"}),
    posix_tests::CaseName());

struct RefusalCase {
    const char* name;
    std::string text;
    bool refused;
};

class LocalRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(LocalRefusal, OnlyForNamesThatCanNeverBeHostNames) {
    EXPECT_EQ(NeverAHostName(GetParam().text), GetParam().refused);
}

INSTANTIATE_TEST_SUITE_P(
    Names, LocalRefusal,
    testing::Values(RefusalCase{"Empty", "", false}, RefusalCase{"Plain", "example.com", false},
                    RefusalCase{"TrailingDot", "example.com.", false},
                    RefusalCase{"Label63", std::string(63, 'a') + ".com", false},
                    RefusalCase{"Name255", std::string(255, 'a'), false},
                    RefusalCase{"Name256", std::string(256, 'a'), true},
                    RefusalCase{"Punctuation", "%/@:[]", false},
                    RefusalCase{"NonAsciiBytes", "\xD6\xD0\xCE\xC4.cn", false},
                    RefusalCase{"Space", "a b", true},
                    RefusalCase{"Nul", std::string(1, '\0'), true},
                    RefusalCase{"ControlA", "a\x01", true},
                    RefusalCase{"CarriageReturn", "a\r", true},
                    RefusalCase{"Delete", "\x7F", true}),
    posix_tests::CaseName());

TEST(HostLookup, Text64KiBLongIsRefusedQuickly) {
    const std::string name(64 * 1024, 'a');
    const auto start = Clock::now();
    EXPECT_EQ(FirstAddress(name), std::nullopt);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(100));
}

} // namespace
