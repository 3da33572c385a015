// The default route's interface is read from the text of Linux's routing table.
#include "platform/posix/DefaultRoute.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

const std::string kHeading = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU"
                             "\tWindow\tIRTT\n";

// One line of the table, gateway and counters filled in.
std::string Route(const char* name, const char* destination, const char* flags, const char* metric,
                  const char* mask) {
    return std::string(name) + "\t" + destination + "\t010200C0\t" + flags + "\t0\t0\t" + metric +
           "\t" + mask + "\t0\t0\t0\n";
}

TEST(DefaultRoute, IsTheFirstUpDefaultRouteWithTheLowestMetric) {
    const std::string wlanDefault = Route("wlan0", "00000000", "0003", "600", "00000000");
    const std::string ethNet = Route("eth0", "000200C0", "0001", "0", "00FFFFFF");
    const std::string ethDefault = Route("eth0", "00000000", "0003", "100", "00000000");
    const struct {
        const char* name;
        std::string routes;
        std::optional<std::string> interfaceName;
    } cases[] = {
        {"no default", ethNet, std::nullopt},
        {"default listed after others", ethNet + wlanDefault, "wlan0"},
        {"lowest metric wins", wlanDefault + ethDefault, "eth0"},
        {"first among equal metrics",
         ethDefault + Route("a0", "00000000", "0003", "100", "00000000"), "eth0"},
        {"route not up", Route("eth1", "00000000", "0002", "0", "00000000") + wlanDefault, "wlan0"},
        {"zero destination with a mask",
         Route("eth1", "00000000", "0003", "0", "000000FF") + wlanDefault, "wlan0"},
        {"truncated line", "eth1\t00000000\t010200C0\t0003\n" + wlanDefault, "wlan0"},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(platform::posix::DefaultRouteInterfaceIn(kHeading + row.routes),
                  row.interfaceName)
            << row.name;
    }
}

} // namespace
