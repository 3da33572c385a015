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

// An interface list as getifaddrs builds it, from entries the test describes.
class FakeInterfaceList {
public:
    FakeInterfaceList& Add(const char* name, sa_family_t family, const char* address,
                           unsigned int flags) {
        Storage& storage = storage_.emplace_back();
        storage.name = name;
        storage.entry.ifa_name = storage.name.data();
        storage.entry.ifa_flags = flags;
        if (family == AF_INET) {
            storage.ipv4.sin_family = AF_INET;
            inet_pton(AF_INET, address, &storage.ipv4.sin_addr);
            storage.entry.ifa_addr = reinterpret_cast<sockaddr*>(&storage.ipv4);
        } else if (family == AF_INET6) {
            storage.ipv6.sin6_family = AF_INET6;
            inet_pton(AF_INET6, address, &storage.ipv6.sin6_addr);
            storage.entry.ifa_addr = reinterpret_cast<sockaddr*>(&storage.ipv6);
        }
        if (storage_.size() > 1) {
            storage_[storage_.size() - 2].entry.ifa_next = &storage.entry;
        }
        return *this;
    }

    const ifaddrs* Head() const { return storage_.empty() ? nullptr : &storage_.front().entry; }

private:
    struct Storage {
        std::string name;
        sockaddr_in ipv4{};
        sockaddr_in6 ipv6{};
        ifaddrs entry{};
    };
    std::deque<Storage> storage_;
};

constexpr unsigned int kUp = IFF_UP | IFF_RUNNING;

TEST(UsableAddresses, KeepsUpNonLoopbackIpv4InListOrder) {
    FakeInterfaceList list;
    list.Add("lo", AF_INET, "127.0.0.1", kUp | IFF_LOOPBACK)
        .Add("eth0", AF_INET, "192.0.2.2", kUp)
        .Add("eth0", AF_INET6, "2001:db8::2", kUp)
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
        OrderCase{"NoAddressNoRouteGivesLoopback", {}, std::nullopt, {{127, 0, 0, 1}}},
        OrderCase{"DefaultOnSecondComesFirst", {kA, kB}, "b0", {kB.address, kA.address}},
        OrderCase{"DefaultOnFirstKeepsOrder", {kA, kB}, "a0", {kA.address, kB.address}},
        OrderCase{"NoDefaultKeepsSystemOrder", {kB, kA}, std::nullopt, {kB.address, kA.address}},
        OrderCase{"DefaultOnInterfaceWithoutAddress", {kA, kB}, "c0", {kA.address, kB.address}},
        OrderCase{"SeveralOnDefaultKeepTheirOrder",
                  {kA, kB, kB2},
                  "b0",
                  {kB.address, kB2.address, kA.address}}),
    posix_tests::CaseName());

} // namespace
