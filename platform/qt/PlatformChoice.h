// Chooses the order of the toolkit's platforms before it starts: first the display that takes the
// program, X11 through Xwayland first where the Wayland compositor would leave the window's frame
// to the program or the user named an X display, and else as Qt would take them; then the other.
#pragma once

#include "platform/qt/TriedDisplays.h"
#include "platform/qt/WaylandProbe.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform::qt {

// What the session's environment and the program's arguments offer the program.
struct Session {
    bool platformChosenByUser = false;
    // An X display named with Qt's -display option.
    bool x11ChosenByUser = false;
    bool xServer = false;
    bool waylandCompositor = false;
    // A connection handed over in WAYLAND_SOCKET can be taken once only: it is Qt's.
    bool waylandConnectionHandedOver = false;
};

// The options among the program's arguments that Qt reads itself and that bear on the platform,
// with one dash or two, as Qt reads them.
struct PlatformArguments {
    bool platform = false;
    // The value of the last -display, an X11 option: Qt's X11 platform alone reads it.
    std::optional<std::string> xDisplay;
};

PlatformArguments ReadPlatformArguments(int argc, const char* const* argv);

// Whether asking the compositor could change the choice at all.
bool WorthProbing(const Session& session);

// Whether to run on X11 rather than on Wayland: where the user named an X display, and where an X
// window through Xwayland gets the desktop's own frame, centring and buttons, that is, where a
// Wayland window would be framed by Qt instead, and where no output is scaled, since a compositor
// may show Xwayland's windows upscaled there, blurred. An unknown compositor (nothing) leaves
// Wayland first, as Qt has it.
bool PrefersX11(const Session& session, const std::optional<Compositor>& compositor);

// The first of the session's displays, in the order of preference, that takes a client as
// TAKES_A_CLIENT tells; a display is asked only where none before it took one, so that a start
// costs one connection more at most. Nothing where none does.
std::optional<Platform> FirstThatTakesTheProgram(const Session& session,
                                                 const std::optional<Compositor>& compositor,
                                                 const std::function<bool(Platform)>& takesAClient);

// Reads the session, asks the compositor when that is worth it, and hands Qt its list of
// platforms, the first display that takes a client first, unless the user chose the platform.
// Returns what came of each display, for the line where Qt then opens none of them; nothing where
// none took a client, after that line on standard error; no display at all where the user chose.
// Call it before the application object is made.
std::optional<std::vector<TriedDisplay>> ChoosePlatform(int argc, const char* const* argv);

} // namespace platform::qt
