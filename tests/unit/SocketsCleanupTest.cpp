// Shut-down: closing the window stops the library once; a failure is shown over the window and
// then ends the program.
#include "fakes/FakeRuntime.h"
#include "fakes/FakeSockets.h"
#include "form1/Form1.h"
#include "form1/Form1Description.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

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
