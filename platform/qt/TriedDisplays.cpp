// Words for what came of each display, and quoting that keeps a value's bytes on one line.
#include "platform/qt/TriedDisplays.h"

#include <cstdio>

namespace platform::qt {

const char* QtPlatformName(Platform platform) {
    return platform == Platform::X11 ? "xcb" : "wayland";
}

namespace {

std::string Said(const TriedDisplay& display) {
    switch (display.outcome) {
    case Outcome::NotNamed:
        return display.label + " is not set";
    case Outcome::Refused:
        return display.label + " refused the connection";
    case Outcome::Unreachable:
        return display.label + " could not be reached";
    case Outcome::NoPlatformPlugin:
        return display.label + " needs Qt's platform plugin \"" + QtPlatformName(display.platform) +
               "\", which is not installed";
    case Outcome::LeftToQt:
        break;
    }
    return display.label + " could not be opened";
}

} // namespace

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += {'\\', c};
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string NoDisplayLine(const std::vector<TriedDisplay>& displays) {
    std::string line = "ipview: no display could be opened";
    const char* separator = ": ";
    for (const TriedDisplay& display : displays) {
        line += separator + Said(display);
        separator = ", ";
    }
    return line;
}

} // namespace platform::qt
