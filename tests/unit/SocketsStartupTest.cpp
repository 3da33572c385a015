// Start-up: the library is vetted while the window loads, and any refusal ends the program with
// one message before the window is ever shown.
#include "fakes/FakeRuntime.h"
#include "fakes/FakeSockets.h"
#include "form1/Form1.h"
#include "form1/Form1Description.h"

#include <gtest/gtest.h>

namespace {

class SocketsStartupTest : public testing::Test {
protected:
    int Start() { return runtime.Run(form1::Form1Description(), form); }

    std::vector<std::string> Prompts() const {
        std::vector<std::string> prompts;
        for (const auto& message : runtime.messages()) {
            prompts.push_back(message.prompt);
        }
        return prompts;
    }

    void ExpectRefusedWith(const std::string& prompt) {
        EXPECT_EQ(Start(), 1);
        EXPECT_EQ(Prompts(), std::vector<std::string>{prompt});
        EXPECT_FALSE(runtime.messages().front().windowShown);
        EXPECT_TRUE(runtime.ended());
        EXPECT_FALSE(runtime.windowShown());
        EXPECT_EQ(sockets.cleanups, 0) << "an end during start-up leaves the library to the OS";
    }

    fakes::FakeRuntime runtime;
    fakes::FakeSockets sockets;
    form1::Form1 form{runtime, sockets};
};

TEST_F(SocketsStartupTest, AHealthyLibraryShowsTheEmptyWindowSilently) {
    EXPECT_EQ(Start(), 0);
    EXPECT_TRUE(runtime.windowShown());
    EXPECT_TRUE(runtime.messages().empty());
    EXPECT_EQ(runtime.Text1Text(), "");
    EXPECT_EQ(sockets.startups, 1);
    EXPECT_EQ(sockets.requestedVersion, 0x0101);
}

TEST_F(SocketsStartupTest, ALibraryThatDoesNotAnswerIsRefusedBeforeItsRecordIsRead) {
    sockets.startupResult = 10091; // not ready
    sockets.startupRecord = {.wVersion = 0, .iMaxSockets = 0};
    ExpectRefusedWith("Winsock.dll is not responding.");
}

TEST_F(SocketsStartupTest, Version1_0IsRefusedWithATrailingBlank) {
    sockets.startupRecord.wVersion = 0x0001;
    sockets.startupRecord.iMaxSockets = 0; // never reached
    ExpectRefusedWith("Windows Sockets version 1.0 is not supported by winsock.dll ");
}

TEST_F(SocketsStartupTest, Version0_2IsRefusedThoughItsMinorIsHigh) {
    sockets.startupRecord.wVersion = 0x0200;
    ExpectRefusedWith("Windows Sockets version 0.2 is not supported by winsock.dll ");
}

TEST_F(SocketsStartupTest, NegativeVersionWordIsShownByteByByte) {
    sockets.startupRecord.wVersion = -256; // 0xff00: major 0, minor 255
    ExpectRefusedWith("Windows Sockets version 0.255 is not supported by winsock.dll ");
}

TEST_F(SocketsStartupTest, NewerVersionsPass) {
    for (const std::int16_t version :
         std::vector<std::int16_t>{0x0101, 0x0002, 0x0202, 0x0102, 0x00ff}) {
        fakes::FakeRuntime freshRuntime;
        fakes::FakeSockets freshSockets;
        freshSockets.startupRecord.wVersion = version;
        form1::Form1 freshForm(freshRuntime, freshSockets);
        EXPECT_EQ(freshRuntime.Run(form1::Form1Description(), freshForm), 0) << version;
        EXPECT_TRUE(freshRuntime.messages().empty()) << version;
    }
}

TEST_F(SocketsStartupTest, NoSocketIsRefused) {
    sockets.startupRecord.iMaxSockets = 0;
    ExpectRefusedWith("This application requires a minimum of 1 supported sockets.");
}

TEST_F(SocketsStartupTest, OneSocketAndTheLargestCountPass) {
    for (const std::uint16_t count : std::vector<std::uint16_t>{1, 65535}) {
        fakes::FakeRuntime freshRuntime;
        fakes::FakeSockets freshSockets;
        freshSockets.startupRecord.iMaxSockets = count;
        form1::Form1 freshForm(freshRuntime, freshSockets);
        EXPECT_EQ(freshRuntime.Run(form1::Form1Description(), freshForm), 0) << count;
    }
}

} // namespace
