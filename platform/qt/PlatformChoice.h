// Chooses the toolkit's platform before it starts: the first display that takes the program, X11
// through Xwayland first where the Wayland compositor would leave the window's frame to the
// program, and else as Qt would take them.
#pragma once

#include "platform/qt/WaylandProbe.h"

#include <functional>
#include <optional>

namespace platform::qt {

enum class Platform { X11, Wayland };

// What the session's environment offers the program.
struct Session {
    bool platformChosenByUser = false;
    bool xServer = false;
    bool waylandCompositor = false;
    // A connection handed over in WAYLAND_SOCKET can be taken once only: it is Qt's.
    bool waylandConnectionHandedOver = false;
};

// Whether the program's arguments name a platform or an X display with the options that Qt
// reads itself (-platform, -display, with one dash or two).
bool ArgumentsChoosePlatform(int argc, const char* const* argv);

// Whether asking the compositor could change the choice at all.
bool WorthProbing(const Session& session);

// Whether to run on X11 rather than on Wayland. An X window through Xwayland gets the desktop's
// own frame, centring and buttons; it is worth it only where a Wayland window would be framed by
// Qt instead, and where no output is scaled, since a compositor may show Xwayland's windows
// upscaled there, blurred. An unknown compositor (nothing) leaves Wayland first, as Qt has it.
bool PrefersX11(const Session& session, const std::optional<Compositor>& compositor);

// The first of the session's displays, in the order of preference, that takes a client as
// TAKES_A_CLIENT tells; a display is asked only where none before it took one, so that a start
// costs one connection more at most. Nothing where none does.
std::optional<Platform> FirstThatTakesTheProgram(const Session& session,
                                                 const std::optional<Compositor>& compositor,
                                                 const std::function<bool(Platform)>& takesAClient);

// Reads the session from the environment and the arguments, asks the compositor when that is
// worth it, and hands Qt the first display that takes a client, unless the user chose the
// platform. False where none does, after one line on standard error that says which displays it
// tried. Call it before the application object is made.
bool ChoosePlatform(int argc, const char* const* argv);

} // namespace platform::qt
