// Checks that network_namespaces.sh runs inside the namespaces it builds; it picks the checks
// for each namespace and says in IPVIEW_OWN_ADDRESS what this machine's address is there.
#include "platform/posix/PosixSockets.h"
#include "posix/ScopedLocale.h"
#include "posix/SystemAnswers.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

using platform::posix::PosixSockets;
using posix_tests::Resolved;
using posix_tests::ScopedLocale;
using Clock = std::chrono::steady_clock;

std::string OwnAddressHere() {
    const char* address = std::getenv("IPVIEW_OWN_ADDRESS");
    return address != nullptr ? address : "(IPVIEW_OWN_ADDRESS not set)";
}

TEST(OwnAddress, EmptyNameGivesTheAddressOfTheDefaultRouteInterface) {
    EXPECT_EQ(Resolved(""), OwnAddressHere());
}

TEST(OwnAddress, HostNameGivesTheSameEvenWhenTheHostsFileSaysLoopback) {
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    EXPECT_EQ(Resolved(host), OwnAddressHere());
}

TEST(HostsFile, InternationalNameResolvesFromUtf8Locale) {
    const ScopedLocale locale("C.UTF-8");
    ASSERT_TRUE(locale.Active());
    EXPECT_EQ(Resolved(PosixSockets()
                           .ToNarrow("b\xC3\xBC"
                                     "cher.example")
                           .value()),
              "198.51.100.7");
}

TEST(HostsFile, ChineseNameResolvesFromGb2312Locale) {
    const ScopedLocale locale("zh_CN.GB2312");
    if (!locale.Active()) {
        GTEST_SKIP() << "locale zh_CN.GB2312 is not available here";
    }
    EXPECT_EQ(Resolved(PosixSockets().ToNarrow("\xE4\xB8\xAD\xE6\x96\x87.example").value()),
              "203.0.113.9");
}

TEST(HostsFile, FirstOfSeveralAddressesInTheResolverOrder) {
    const std::string first =
        posix_tests::FirstLineOf("getent ahostsv4 several.example | awk '{print $1; exit}'");
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(Resolved("several.example"), first);
}

TEST(HostsFile, Ipv6OnlyNameGivesNoEntry) {
    EXPECT_EQ(Resolved("v6only.example"), "(no entry)");
}

Clock::duration TimeToResolve(const std::string& name, const std::string& expected) {
    const auto start = Clock::now();
    EXPECT_EQ(Resolved(name), expected) << name;
    return Clock::now() - start;
}

TEST(SilentDns, UnknownNameWaitsForTheServer) {
    EXPECT_GE(TimeToResolve("unknown.example", "(no entry)"), std::chrono::milliseconds(500));
}

TEST(SilentDns, NumericAddressNeedsNoQuery) {
    EXPECT_LT(TimeToResolve("10.0.0.1", "10.0.0.1"), std::chrono::milliseconds(200));
}

TEST(SilentDns, NamesWithBlanksAreRefusedWithoutWaiting) {
    for (const char* name : {"unknown example", " unknown.example", "unknown.example\n"}) {
        EXPECT_LT(TimeToResolve(name, "(no entry)"), std::chrono::milliseconds(200)) << name;
    }
}

} // namespace
