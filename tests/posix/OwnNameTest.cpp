// The empty name and this machine's host name give its own address, not a hosts-file entry.
#include "platform/posix/OwnName.h"

#include "posix/CaseName.h"
#include "posix/SystemAnswers.h"

#include <cctype>
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

using platform::posix::NamesThisComputer;
using platform::posix::OwnHostName;
using posix_tests::Resolved;

struct OwnNameCase {
    const char* name;
    const char* text;
    bool own;
};

class OwnName : public testing::TestWithParam<OwnNameCase> {};

TEST_P(OwnName, IsRecognisedForHostMyBox) {
    EXPECT_EQ(NamesThisComputer(GetParam().text, "MyBox"), GetParam().own);
}

INSTANTIATE_TEST_SUITE_P(Names, OwnName,
                         testing::Values(OwnNameCase{"Empty", "", true},
                                         OwnNameCase{"Exact", "MyBox", true},
                                         OwnNameCase{"LowerCase", "mybox", true},
                                         OwnNameCase{"UpperCase", "MYBOX", true},
                                         OwnNameCase{"OneTrailingDot", "mybox.", true},
                                         OwnNameCase{"TwoTrailingDots", "mybox..", false},
                                         OwnNameCase{"DotAlone", ".", false},
                                         OwnNameCase{"Prefix", "myb", false},
                                         OwnNameCase{"Longer", "myboxes", false},
                                         OwnNameCase{"Qualified", "mybox.example.com", false},
                                         OwnNameCase{"Localhost", "localhost", false}),
                         posix_tests::CaseName());

TEST(OwnName, NothingButTheEmptyNameWhenTheHostNameIsUnknown) {
    EXPECT_TRUE(NamesThisComputer("", ""));
    EXPECT_FALSE(NamesThisComputer(".", ""));
}

class ThisMachine : public testing::Test {
protected:
    void SetUp() override {
        expected_ = posix_tests::DefaultRouteAddressPerIpTool();
        if (expected_.empty()) {
            GTEST_SKIP() << "this machine has no default route with an IPv4 address";
        }
    }
    std::string expected_;
};

TEST_F(ThisMachine, EmptyNameGivesTheDefaultRouteInterfaceAddress) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Resolved(""), expected_);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
}

TEST_F(ThisMachine, OwnHostNameGivesTheSameAddressInAnySpelling) {
    const std::string host = OwnHostName();
    ASSERT_FALSE(host.empty());
    std::string upper = host;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    for (const std::string& name : {host, upper, host + "."}) {
        EXPECT_EQ(Resolved(name), expected_) << name;
    }
}

} // namespace
