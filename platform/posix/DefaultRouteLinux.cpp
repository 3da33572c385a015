// The default route's interface, read from Linux's /proc/net/route.
#include "platform/posix/DefaultRoute.h"

#include <array>
#include <fcntl.h>
#include <limits>
#include <sstream>
#include <unistd.h>

namespace platform::posix {
namespace {

constexpr unsigned long kRouteIsUp = 0x0001; // RTF_UP
constexpr std::string_view kAnyDestination = "00000000";

struct Route {
    std::string interfaceName;
    std::string destination;
    unsigned long flags = 0;
    unsigned long metric = 0;
    std::string mask;
};

// Columns: Iface Destination Gateway Flags RefCnt Use Metric Mask MTU Window IRTT.
std::optional<Route> ParseRoute(const std::string& line) {
    std::istringstream fields(line);
    Route route;
    std::string gateway, referenceCount, use;
    fields >> route.interfaceName >> route.destination >> gateway >> std::hex >> route.flags >>
        std::dec >> referenceCount >> use >> route.metric >> route.mask;
    if (!fields) {
        return std::nullopt;
    }
    return route;
}

bool IsDefaultRoute(const Route& route) {
    return route.destination == kAnyDestination && route.mask == kAnyDestination &&
           (route.flags & kRouteIsUp) != 0;
}

} // namespace

std::optional<std::string> DefaultRouteInterfaceIn(std::string_view routeTable) {
    std::istringstream lines{std::string(routeTable)};
    std::string line;
    std::getline(lines, line); // the column headings
    std::optional<std::string> best;
    unsigned long bestMetric = std::numeric_limits<unsigned long>::max();
    while (std::getline(lines, line)) {
        const std::optional<Route> route = ParseRoute(line);
        if (route && IsDefaultRoute(*route) && (!best || route->metric < bestMetric)) {
            best = route->interfaceName;
            bestMetric = route->metric;
        }
    }
    return best;
}

std::optional<std::string> DefaultRouteInterface() {
    // Plain system calls: through a file stream, opening and reading this small file cost
    // more than the interface list itself.
    const int file = open("/proc/net/route", O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return std::nullopt;
    }
    std::string table;
    std::array<char, 4096> chunk{};
    ssize_t got = 0;
    while ((got = read(file, chunk.data(), chunk.size())) > 0) {
        table.append(chunk.data(), static_cast<std::size_t>(got));
    }
    close(file);
    if (got < 0) {
        return std::nullopt;
    }
    return DefaultRouteInterfaceIn(table);
}

} // namespace platform::posix
