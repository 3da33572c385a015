// The default route's interface is read from the text of Linux's routing table.
#include "platform/posix/DefaultRoute.h"

#include "posix/CaseName.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using platform::posix::DefaultRouteInterfaceIn;

const std::string kHeading = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU"
                             "\tWindow\tIRTT\n";

std::string Route(const char* interfaceName, const char* destination, const char* flags,
                  const char* metric, const char* mask) {
    return std::string(interfaceName) + "\t" + destination + "\t010200C0\t" + flags + "\t0\t0\t" +
           metric + "\t" + mask + "\t0\t0\t0\n";
}

struct RouteTableCase {
    const char* name;
    std::string table;
    std::optional<std::string> interfaceName;
};

class DefaultRouteTable : public testing::TestWithParam<RouteTableCase> {};

TEST_P(DefaultRouteTable, GivesTheInterfaceOfTheBestDefaultRoute) {
    EXPECT_EQ(DefaultRouteInterfaceIn(GetParam().table), GetParam().interfaceName);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, DefaultRouteTable,
    testing::Values(RouteTableCase{"Empty", "", std::nullopt},
                    RouteTableCase{"OneDefault",
                                   kHeading + Route("eth0", "00000000", "0003", "0", "00000000") +
                                       Route("eth0", "000200C0", "0001", "0", "00FFFFFF"),
                                   "eth0"},
                    RouteTableCase{"DefaultListedAfterOthers",
                                   kHeading + Route("eth0", "000200C0", "0001", "0", "00FFFFFF") +
                                       Route("wlan0", "00000000", "0003", "600", "00000000"),
                                   "wlan0"},
                    RouteTableCase{"NoDefault",
                                   kHeading + Route("eth0", "000200C0", "0001", "0", "00FFFFFF"),
                                   std::nullopt},
                    RouteTableCase{"LowestMetricWins",
                                   kHeading +
                                       Route("wlan0", "00000000", "0003", "600", "00000000") +
                                       Route("eth0", "00000000", "0003", "100", "00000000"),
                                   "eth0"},
                    RouteTableCase{"FirstAmongEqualMetrics",
                                   kHeading + Route("b0", "00000000", "0003", "5", "00000000") +
                                       Route("a0", "00000000", "0003", "5", "00000000"),
                                   "b0"},
                    RouteTableCase{"RouteNotUpIgnored",
                                   kHeading + Route("eth0", "00000000", "0002", "0", "00000000") +
                                       Route("eth1", "00000000", "0003", "10", "00000000"),
                                   "eth1"},
                    RouteTableCase{"ZeroDestinationWithMaskIsNotDefault",
                                   kHeading + Route("eth0", "00000000", "0001", "0", "000000FF") +
                                       Route("eth1", "00000000", "0003", "10", "00000000"),
                                   "eth1"},
                    RouteTableCase{"TruncatedLineIgnored",
                                   kHeading + "eth0\t00000000\t010200C0\t0003\n" +
                                       Route("eth1", "00000000", "0003", "10", "00000000"),
                                   "eth1"}),
    posix_tests::CaseName());

} // namespace
