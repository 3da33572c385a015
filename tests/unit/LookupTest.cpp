// A click resolves the text of the box and replaces it with the first IPv4 address in dotted
// decimal, or says the name cannot be resolved and keeps the text.
#include "fakes/FakeRuntime.h"
#include "fakes/FakeSockets.h"
#include "form1/Form1.h"
#include "form1/Form1Description.h"

#include <gtest/gtest.h>

namespace {

using platform::HostEntry;

constexpr const char* kCantResolve = "Can't resolve name.";

HostEntry IPv4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    return {.h_length = 4, .firstAddress = {a, b, c, d}};
}

class LookupTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(runtime.Run(form1::Form1Description(), form), 0); }

    // Types a name into the box and clicks the button.
    void Lookup(const std::string& name) {
        runtime.SetText1Text(name);
        ASSERT_TRUE(runtime.ClickCommand1());
    }

    std::size_t MessageCount() const { return runtime.messages().size(); }
    std::string LastMessage() const {
        return runtime.messages().empty() ? "" : runtime.messages().back().prompt;
    }

    fakes::FakeRuntime runtime;
    fakes::FakeSockets sockets;
    form1::Form1 form{runtime, sockets};
};

TEST_F(LookupTest, TheEmptyBoxAsksForThisComputerAndShowsItsAddress) {
    sockets.hosts[""] = IPv4(192, 168, 0, 10);
    ASSERT_TRUE(runtime.ClickCommand1());
    EXPECT_EQ(sockets.lookedUp, std::vector<std::string>{""});
    EXPECT_EQ(runtime.Text1Text(), "192.168.0.10");
    EXPECT_EQ(MessageCount(), 0u);
}

TEST_F(LookupTest, BytesAreWrittenWithoutLeadingZerosAndTheNamePassesUnaltered) {
    sockets.hosts[" Example.COM.\n"] = IPv4(10, 0, 0, 1);
    sockets.hosts["host"] = IPv4(255, 255, 255, 255);
    Lookup(" Example.COM.\n");
    EXPECT_EQ(runtime.Text1Text(), "10.0.0.1");
    Lookup("host");
    EXPECT_EQ(runtime.Text1Text(), "255.255.255.255");
    EXPECT_EQ(MessageCount(), 0u);
}

TEST_F(LookupTest, AnUnknownNameIsReportedAndKeptAndTheProgramGoesOn) {
    Lookup("no-such-host");
    EXPECT_EQ(LastMessage(), kCantResolve);
    EXPECT_TRUE(runtime.messages().back().windowShown);
    EXPECT_EQ(runtime.Text1Text(), "no-such-host");
    EXPECT_FALSE(runtime.ended());
}

TEST_F(LookupTest, NamesOutsideTheNarrowSetOrWithANulAreNeverLookedUp) {
    sockets.unrepresentable = {"主"};
    sockets.hosts["?机"] = IPv4(192, 0, 2, 1);       // what a best-fit conversion would send
    sockets.hosts["localhost"] = IPv4(127, 0, 0, 1); // what a C string would cut the name to
    for (const std::string& name : {std::string("主机"), std::string("localhost\0evil", 14)}) {
        Lookup(name);
        EXPECT_EQ(LastMessage(), kCantResolve);
        EXPECT_EQ(runtime.Text1Text(), name);
    }
    EXPECT_TRUE(sockets.lookedUp.empty());
}

TEST_F(LookupTest, EntriesWithoutOneWholeIPv4AddressAreNotResolved) {
    const struct {
        const char* name;
        HostEntry host;
    } cases[] = {{"empty-list", {.h_length = 4, .firstAddress = {}}},
                 {"ipv6-length", {.h_length = 16, .firstAddress = std::vector<std::uint8_t>(16)}},
                 {"short-copy", {.h_length = 4, .firstAddress = {10, 0}}},
                 {"length-disagrees", {.h_length = 2, .firstAddress = {10, 0, 0, 1}}}};
    for (const auto& row : cases) {
        sockets.hosts[row.name] = row.host;
        Lookup(row.name);
        EXPECT_EQ(LastMessage(), kCantResolve) << row.name;
        EXPECT_EQ(runtime.Text1Text(), row.name) << row.name;
    }
    EXPECT_EQ(MessageCount(), std::size(cases));
}

} // namespace
