// The default route's interface, read from Linux's /proc/net/route.
#include "platform/posix/DefaultRoute.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace platform::posix {
namespace {

constexpr unsigned long kRouteIsUp = 0x0001; // RTF_UP
constexpr std::string_view kAnyDestination = "00000000";
constexpr std::string_view kBlanks = " \t";

// Views into the table's text.
struct Route {
    std::string_view interfaceName;
    std::string_view destination;
    unsigned long flags = 0;
    unsigned long metric = 0;
    std::string_view mask;
};

// Takes the next line off the front of the text, without its line end.
std::string_view TakeLine(std::string_view& text) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    return line;
}

bool ParseNumber(std::string_view field, int base, unsigned long& number) {
    const auto [end, error] =
        std::from_chars(field.data(), field.data() + field.size(), number, base);
    return error == std::errc() && end == field.data() + field.size();
}

// Columns: Iface Destination Gateway Flags RefCnt Use Metric Mask MTU Window IRTT. Parsed by
// hand: string streams took some 2 us a table, most of what finding this machine's address
// added to its system calls.
std::optional<Route> ParseRoute(std::string_view line) {
    std::array<std::string_view, 8> fields; // Iface to Mask
    for (std::string_view& field : fields) {
        const std::size_t start = line.find_first_not_of(kBlanks);
        if (start == std::string_view::npos) {
            return std::nullopt;
        }
        line.remove_prefix(start);
        field = line.substr(0, line.find_first_of(kBlanks));
        line.remove_prefix(field.size());
    }
    Route route{.interfaceName = fields[0], .destination = fields[1], .mask = fields[7]};
    if (!ParseNumber(fields[3], 16, route.flags) || !ParseNumber(fields[6], 10, route.metric)) {
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
    TakeLine(routeTable); // the column headings
    std::optional<std::string_view> best;
    unsigned long bestMetric = std::numeric_limits<unsigned long>::max();
    while (!routeTable.empty()) {
        const std::optional<Route> route = ParseRoute(TakeLine(routeTable));
        if (route && IsDefaultRoute(*route) && (!best || route->metric < bestMetric)) {
            best = route->interfaceName;
            bestMetric = route->metric;
        }
    }
    if (!best) {
        return std::nullopt;
    }
    return std::string(*best);
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
