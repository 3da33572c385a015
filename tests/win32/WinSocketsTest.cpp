// wsock32 as the window uses it: start-up answers 1.1 with sockets to offer, clean-up reports a
// second call as a failure, names reach the resolver only when the ANSI code page holds them
// exactly, and a lookup copies out the first address.
#include "platform/win32/WinSockets.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

using platform::win32::WinSockets;

TEST(WinSocketsStartup, AnswersVersion1_1WithSocketsToOffer) {
    WinSockets sockets;
    platform::StartupRecord record{};
    ASSERT_EQ(sockets.WSAStartup(0x0101, record), 0);
    EXPECT_EQ(record.wVersion, 0x0101);
    EXPECT_GT(record.iMaxSockets, 0);
    EXPECT_EQ(sockets.WSACleanup(), 0);
}

TEST(WinSocketsCleanup, FailsWhenTheLibraryWasNotStarted) {
    WinSockets sockets;
    EXPECT_EQ(sockets.WSACleanup(), -1);
}

struct Conversion {
    const char* what;
    std::string utf8;
    std::optional<std::string> narrow;
};

class ToNarrowTest : public testing::TestWithParam<Conversion> {};

TEST_P(ToNarrowTest, KeepsWhatTheCodePageHoldsAndRefusesTheRest) {
    ASSERT_EQ(GetACP(), 1252u) << "the cases are written for Windows-1252";
    EXPECT_EQ(WinSockets().ToNarrow(GetParam().utf8), GetParam().narrow);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ToNarrowTest,
    testing::Values(Conversion{"Empty", "", ""}, Conversion{"Ascii", "localhost", "localhost"},
                    Conversion{"LatinInTheCodePage", "caf\xC3\xA9", "caf\xE9"},
                    Conversion{"Chinese", "主机", std::nullopt},
                    Conversion{"Greek", "\xCE\xA9", std::nullopt},
                    Conversion{"Cyrillic", "\xD0\xB6", std::nullopt},
                    // Best fit would turn these into "localhost" and "a".
                    Conversion{"FullWidthLookAlike", "ｌｏｃａｌｈｏｓｔ", std::nullopt},
                    Conversion{"AccentedLookAlike", "\xC4\x81", std::nullopt}),
    [](const testing::TestParamInfo<Conversion>& testCase) {
        return std::string(testCase.param.what);
    });

class LookupTest : public testing::Test {
protected:
    void SetUp() override {
        platform::StartupRecord record{};
        ASSERT_EQ(sockets.WSAStartup(0x0101, record), 0);
    }
    void TearDown() override { sockets.WSACleanup(); }

    WinSockets sockets;
};

TEST_F(LookupTest, LocalhostGivesTheLoopbackAddressInNetworkOrder) {
    const auto host = sockets.gethostbyname("localhost");
    ASSERT_TRUE(host.has_value());
    EXPECT_EQ(host->h_length, 4);
    EXPECT_EQ(host->firstAddress, (std::vector<std::uint8_t>{127, 0, 0, 1}));
}

TEST_F(LookupTest, TheEmptyNameGivesAnAddressOfThisComputer) {
    const auto host = sockets.gethostbyname("");
    ASSERT_TRUE(host.has_value());
    EXPECT_EQ(host->h_length, 4);
    EXPECT_EQ(host->firstAddress.size(), 4u);
}

TEST_F(LookupTest, AnUnknownNameGivesNothing) {
    EXPECT_FALSE(sockets.gethostbyname("no-such-host.invalid").has_value());
}

} // namespace
