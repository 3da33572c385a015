// Checks that network_namespaces.sh runs inside the namespaces it builds; it says in
// IPVIEW_OWN_ADDRESS what this machine's address is there.
#include "posix/Resolved.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

using posix_tests::Resolved;

TEST(OwnAddress, EmptyNameAndHostNameGiveTheDefaultRouteInterfaceAddress) {
    const char* expected = std::getenv("IPVIEW_OWN_ADDRESS");
    ASSERT_NE(expected, nullptr);
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    EXPECT_EQ(Resolved(""), expected);
    EXPECT_EQ(Resolved(host), expected) << "even where the hosts file says loopback";
}

TEST(HostsFile, FirstOfSeveralAddressesAndNothingForAnIpv6OnlyName) {
    EXPECT_EQ(Resolved("several.example"), "203.0.113.20");
    EXPECT_EQ(Resolved("v6only.example"), "(no entry)");
}

} // namespace
