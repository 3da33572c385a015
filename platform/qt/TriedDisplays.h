// The displays that the program tried, and the one line that says why none of them opened.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::qt {

enum class Platform { X11, Wayland };

// What came of a display, as far as the program knows.
enum class Outcome {
    NotNamed,
    // The server turned the program away, as an X server does a client without its cookie.
    Refused,
    // Nothing took the connection, or the library to connect with is missing.
    Unreachable,
    // Qt has no platform plugin for it.
    NoPlatformPlugin,
    // Nothing ruled it out before Qt tried it.
    LeftToQt,
};

struct TriedDisplay {
    Platform platform;
    // How the line names it: the variable or option, and its value quoted where there is one.
    std::string label;
    Outcome outcome;
};

// The name of Qt's platform for PLATFORM, as QT_QPA_PLATFORM takes it.
const char* QtPlatformName(Platform platform);

// TEXT in double quotes, with quotes, backslashes and control characters escaped, so that it
// stays on one line whatever it holds.
std::string Quoted(std::string_view text);

// "ipview: no display could be opened: " and what came of each display, without a newline.
std::string NoDisplayLine(const std::vector<TriedDisplay>& displays);

} // namespace platform::qt
