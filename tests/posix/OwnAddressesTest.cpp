// This machine's own addresses: the interfaces that count, the default route's, their order.
#include "platform/posix/OwnAddresses.h"

#include "platform/posix/DefaultRoute.h"

#include <arpa/inet.h>
#include <array>
#include <gtest/gtest.h>
#include <net/if.h>

namespace {

using platform::posix::InterfaceAddress;
using platform::posix::Ipv4Address;

constexpr unsigned int kUp = IFF_UP | IFF_RUNNING;

// One line of the table, gateway and counters filled in.
std::string Route(const char* name, const char* destination, const char* flags, const char* metric,
                  const char* mask = "00000000") {
    return std::string(name) + "\t" + destination + "\t010200C0\t" + flags + "\t0\t0\t" + metric +
           "\t" + mask + "\t0\t0\t0\n";
}

std::optional<std::string> DefaultIn(const std::string& routes) {
    return platform::posix::DefaultRouteInterfaceIn(
        "Iface\tDestination\tGateway\tFlags\tRefCnt\tUse\tMetric\tMask\tMTU\tWindow\tIRTT\n" +
        routes);
}

TEST(DefaultRoute, IsTheFirstCompleteUpDefaultRouteWithTheLowestMetric) {
    const std::string ethNet = Route("eth0", "000200C0", "0001", "0", "00FFFFFF");
    const std::string wlanDefault = Route("wlan0", "00000000", "0003", "600");
    EXPECT_EQ(DefaultIn(ethNet), std::nullopt);
    // Before the default: one route not up, one with a mask, one cut short.
    EXPECT_EQ(DefaultIn(ethNet + Route("eth1", "00000000", "0002", "0") +
                        Route("eth2", "00000000", "0003", "0", "000000FF") +
                        "eth3\t00000000\t010200C0\t0003\n" + wlanDefault),
              "wlan0");
    EXPECT_EQ(DefaultIn(wlanDefault + Route("eth0", "00000000", "0003", "100") +
                        Route("a0", "00000000", "0003", "100")),
              "eth0");
}

TEST(OwnAddresses, AreTheUpNonLoopbackIpv4OnesInListOrder) {
    std::array<sockaddr_in, 5> addresses{};
    const char* dotted[] = {"127.0.0.1", "192.0.2.2", "", "198.51.100.4", "203.0.113.5"};
    char names[][5] = {"lo", "eth0", "eth0", "eth1", "eth2"};
    const unsigned int flags[] = {kUp | IFF_LOOPBACK, kUp, kUp, 0, IFF_UP};
    std::array<ifaddrs, 6> list{};
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        addresses[i].sin_family = dotted[i][0] != '\0' ? AF_INET : AF_INET6;
        inet_pton(AF_INET, dotted[i], &addresses[i].sin_addr);
        list[i].ifa_next = &list[i + 1];
        list[i].ifa_name = names[i];
        list[i].ifa_flags = flags[i];
        list[i].ifa_addr = reinterpret_cast<sockaddr*>(&addresses[i]);
    }
    list.back().ifa_name = names[1]; // up, but without an address
    list.back().ifa_flags = kUp;
    const auto usable = platform::posix::UsableAddresses(list.data());
    ASSERT_EQ(usable.size(), 2U);
    EXPECT_EQ(usable[0].address, (Ipv4Address{192, 0, 2, 2}));
    EXPECT_EQ(usable[1].interfaceName, "eth2");
}

TEST(OwnAddresses, ComeDefaultRouteInterfaceFirstElseLoopbackAlone) {
    const InterfaceAddress a{"a0", {198, 51, 100, 2}};
    const InterfaceAddress b{"b0", {203, 0, 113, 2}};
    const InterfaceAddress b2{"b0", {203, 0, 113, 3}};
    using platform::posix::InPreferenceOrder;
    EXPECT_EQ(InPreferenceOrder({}, "a0"), (std::vector<Ipv4Address>{{127, 0, 0, 1}}));
    EXPECT_EQ(InPreferenceOrder({a, b, b2}, "b0"),
              (std::vector<Ipv4Address>{b.address, b2.address, a.address}));
    EXPECT_EQ(InPreferenceOrder({b, a}, std::nullopt),
              (std::vector<Ipv4Address>{b.address, a.address}));
}

} // namespace
