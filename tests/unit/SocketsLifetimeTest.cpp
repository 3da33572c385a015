// The sockets library lives as long as the window: vetted while the window loads, where any
// refusal ends the program with one message before the window is shown; stopped when it closes,
// where a failure is shown over the window and ends the program.
#include "fakes/FakeRuntime.h"
#include "fakes/FakeSockets.h"
#include "form1/Form1.h"
#include "form1/Form1Description.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(SocketsStartup, AVersion1_1RequestIsVettedAndEachRefusalIsOneMessageWithoutAWindow) {
    const struct {
        int result;
        std::int16_t version;
        std::uint16_t sockets;
        const char* message; // none: the library is accepted
    } cases[] = {
        {10091, 0, 0, "Winsock.dll is not responding."},
        {0, 0x0001, 0, "Windows Sockets version 1.0 is not supported by winsock.dll "},
        {0, 0x0200, 1, "Windows Sockets version 0.2 is not supported by winsock.dll "},
        {0, -256, 1, "Windows Sockets version 0.255 is not supported by winsock.dll "},
        {0, 0x0101, 0, "This application requires a minimum of 1 supported sockets."},
        {0, 0x0002, 1, nullptr},
        {0, 0x00ff, 65535, nullptr},
    };
    for (const auto& row : cases) {
        fakes::FakeRuntime runtime;
        fakes::FakeSockets sockets;
        sockets.startupResult = row.result;
        sockets.startupRecord = {.wVersion = row.version, .iMaxSockets = row.sockets};
        form1::Form1 form(runtime, sockets);
        const bool refused = row.message != nullptr;
        EXPECT_EQ(runtime.Run(form1::Form1Description(), form), refused ? 1 : 0) << row.version;
        EXPECT_EQ(sockets.requestedVersion, 0x0101);
        EXPECT_EQ(runtime.windowShown(), !refused) << row.version;
        ASSERT_EQ(runtime.messages().size(), refused ? 1U : 0U) << row.version;
        if (refused) {
            EXPECT_EQ(runtime.messages().front().prompt, row.message);
            EXPECT_FALSE(runtime.messages().front().windowShown);
            EXPECT_EQ(sockets.cleanups, 0) << "an end during start-up leaves the library to the OS";
        }
    }
}

TEST(SocketsStartup, VersionBytesTruncateTowardZeroBeforeTheMask) {
    const struct {
        std::int16_t word;
        std::int32_t high, low;
    } cases[] = {{0x0101, 1, 1}, {-1, 0, 255}, {-32511, 130, 1}, {-32768, 128, 0}};
    for (const auto& row : cases) {
        EXPECT_EQ(form1::Form1::hibyte(row.word), row.high) << row.word;
        EXPECT_EQ(form1::Form1::lobyte(row.word), row.low) << row.word;
    }
}

TEST(SocketsCleanup, ACloseStopsTheLibraryOnceAndGoesThrough) {
    fakes::FakeRuntime runtime;
    fakes::FakeSockets sockets;
    form1::Form1 form(runtime, sockets);
    ASSERT_EQ(runtime.Run(form1::Form1Description(), form), 0);
    EXPECT_TRUE(runtime.Close());
    EXPECT_EQ(sockets.cleanups, 1);
    EXPECT_FALSE(runtime.windowShown());
    EXPECT_TRUE(runtime.messages().empty());
}

TEST(SocketsCleanup, AFailureIsShownOverTheWindowInPlainDecimalThenNothingRuns) {
    for (const auto& [result, message] :
         {std::pair{-1, "Socket error -1 occurred in Cleanup "},
          std::pair{10093, "Socket error 10093 occurred in Cleanup "},
          std::pair{std::numeric_limits<std::int32_t>::min(),
                    "Socket error -2147483648 occurred in Cleanup "}}) {
        fakes::FakeRuntime runtime;
        fakes::FakeSockets sockets;
        form1::Form1 form(runtime, sockets);
        sockets.cleanupResult = result;
        ASSERT_EQ(runtime.Run(form1::Form1Description(), form), 0);
        EXPECT_FALSE(runtime.Close());
        ASSERT_EQ(runtime.messages().size(), 1u);
        EXPECT_EQ(runtime.messages().front().prompt, message);
        EXPECT_TRUE(runtime.messages().front().windowShown);
        EXPECT_FALSE(runtime.ClickCommand1()) << "an event after the end";
        EXPECT_TRUE(sockets.lookedUp.empty());
    }
}

} // namespace
