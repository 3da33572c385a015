// Shut-down: closing the window stops the library once; a failure is shown over the window and
// then ends the program.
#include "fakes/FakeRuntime.h"
#include "fakes/FakeSockets.h"
#include "form1/Form1.h"
#include "form1/Form1Description.h"

#include <gtest/gtest.h>

namespace {

class SocketsCleanupTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(runtime.Run(form1::Form1Description(), form), 0); }

    fakes::FakeRuntime runtime;
    fakes::FakeSockets sockets;
    form1::Form1 form{runtime, sockets};
};

TEST_F(SocketsCleanupTest, ACloseStopsTheLibraryOnceAndAlwaysGoesThrough) {
    EXPECT_TRUE(runtime.Close());
    EXPECT_EQ(sockets.cleanups, 1);
    EXPECT_FALSE(runtime.windowShown());
    EXPECT_FALSE(runtime.ended());
    EXPECT_TRUE(runtime.messages().empty());
}

TEST_F(SocketsCleanupTest, AFailureIsShownOverTheWindowWithATrailingBlankThenEnds) {
    sockets.cleanupResult = -1;
    EXPECT_FALSE(runtime.Close());
    ASSERT_EQ(runtime.messages().size(), 1u);
    EXPECT_EQ(runtime.messages().front().prompt, "Socket error -1 occurred in Cleanup ");
    EXPECT_TRUE(runtime.messages().front().windowShown);
    EXPECT_TRUE(runtime.ended());
}

TEST_F(SocketsCleanupTest, AnyNonZeroResultIsShownUnchanged) {
    sockets.cleanupResult = 10093;
    EXPECT_FALSE(runtime.Close());
    ASSERT_EQ(runtime.messages().size(), 1u);
    EXPECT_EQ(runtime.messages().front().prompt, "Socket error 10093 occurred in Cleanup ");
}

TEST_F(SocketsCleanupTest, NoEventRunsAfterTheEnd) {
    sockets.cleanupResult = -1;
    EXPECT_FALSE(runtime.Close());
    EXPECT_FALSE(runtime.ClickCommand1());
    EXPECT_EQ(sockets.cleanups, 1);
    EXPECT_TRUE(sockets.lookedUp.empty());
}

} // namespace
