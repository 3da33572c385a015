// This machine's own addresses: which interfaces count, and in which order.
#include "platform/posix/OwnAddresses.h"

#include "posix/CaseName.h"

#include <arpa/inet.h>
#include <deque>
#include <gtest/gtest.h>
#include <net/if.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using platform::posix::InPreferenceOrder;
using platform::posix::InterfaceAddress;
using platform::posix::Ipv4Address;
using platform::posix::UsableAddresses;

// An interface list as getifaddrs builds it; only IPv4 entries carry an address.
class FakeInterfaceList {
public:
    FakeInterfaceList& Add(const char* name, sa_family_t family, const char* address,
                           unsigned int flags) {
        Entry& added = entries_.emplace_back();
        added.name = name;
        added.address.sin_family = family;
        inet_pton(AF_INET, address, &added.address.sin_addr);
        added.entry.ifa_name = added.name.data();
        added.entry.ifa_flags = flags;
        added.entry.ifa_addr =
            family == AF_UNSPEC ? nullptr : reinterpret_cast<sockaddr*>(&added.address);
        if (entries_.size() > 1) {
            entries_[entries_.size() - 2].entry.ifa_next = &added.entry;
        }
        return *this;
    }

    const ifaddrs* Head() const { return &entries_.front().entry; }

private:
    struct Entry {
        std::string name;
        sockaddr_in address{};
        ifaddrs entry{};
    };
    std::deque<Entry> entries_;
};

constexpr unsigned int kUp = IFF_UP | IFF_RUNNING;

TEST(UsableAddresses, KeepsUpNonLoopbackIpv4InListOrder) {
    FakeInterfaceList list;
    list.Add("lo", AF_INET, "127.0.0.1", kUp | IFF_LOOPBACK)
        .Add("eth0", AF_INET, "192.0.2.2", kUp)
        .Add("eth0", AF_INET6, "", kUp)
        .Add("eth1", AF_INET, "198.51.100.4", 0)
        .Add("tun0", AF_UNSPEC, "", kUp)
        .Add("eth2", AF_INET, "203.0.113.5", IFF_UP)
        .Add("eth0", AF_INET, "192.0.2.3", kUp);
    const std::vector<InterfaceAddress> usable = UsableAddresses(list.Head());
    ASSERT_EQ(usable.size(), 3U);
    EXPECT_EQ(usable[0].interfaceName, "eth0");
    EXPECT_EQ(usable[0].address, (Ipv4Address{192, 0, 2, 2}));
    EXPECT_EQ(usable[1].interfaceName, "eth2");
    EXPECT_EQ(usable[1].address, (Ipv4Address{203, 0, 113, 5}));
    EXPECT_EQ(usable[2].address, (Ipv4Address{192, 0, 2, 3}));
}

TEST(UsableAddresses, EmptyListGivesNone) {
    EXPECT_TRUE(UsableAddresses(nullptr).empty());
}

struct OrderCase {
    const char* name;
    std::vector<InterfaceAddress> addresses;
    std::optional<std::string> defaultInterface;
    std::vector<Ipv4Address> expected;
};

class PreferenceOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(PreferenceOrder, PutsTheDefaultRouteInterfaceFirst) {
    EXPECT_EQ(InPreferenceOrder(GetParam().addresses, GetParam().defaultInterface),
              GetParam().expected);
}

const InterfaceAddress kA{"a0", {198, 51, 100, 2}};
const InterfaceAddress kB{"b0", {203, 0, 113, 2}};
const InterfaceAddress kB2{"b0", {203, 0, 113, 3}};

INSTANTIATE_TEST_SUITE_P(
    Cases, PreferenceOrder,
    testing::Values(
        OrderCase{"NoAddressGivesLoopback", {}, "a0", {{127, 0, 0, 1}}},
        OrderCase{"DefaultOnSecondComesFirst", {kA, kB}, "b0", {kB.address, kA.address}},
        OrderCase{"NoDefaultKeepsSystemOrder", {kB, kA}, std::nullopt, {kB.address, kA.address}},
        OrderCase{"DefaultOnInterfaceWithoutAddress", {kA, kB}, "c0", {kA.address, kB.address}},
        OrderCase{"SeveralOnDefaultKeepTheirOrder",
                  {kA, kB, kB2},
                  "b0",
                  {kB.address, kB2.address, kA.address}}),
    posix_tests::CaseName());

} // namespace
