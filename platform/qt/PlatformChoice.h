// Chooses the toolkit's platform before it starts: X11 through Xwayland where the Wayland
// compositor would leave the window's frame to the program, else whatever Qt chooses.
#pragma once

#include "platform/qt/WaylandProbe.h"

#include <optional>

namespace platform::qt {

// What the session's environment offers the program.
struct Session {
    bool platformChosenByUser = false;
    bool xServer = false;
    bool waylandCompositor = false;
};

// Whether asking the compositor could change the choice at all.
bool WorthProbing(const Session& session);

// Whether to run on X11 rather than leave the choice to Qt. An X window through Xwayland gets the
// desktop's own frame, centring and buttons; it is worth it only where a Wayland window would be
// framed by Qt instead, and where no output is scaled, since a compositor may show Xwayland's
// windows upscaled there, blurred. An unknown compositor (nothing) leaves the choice to Qt.
bool PrefersX11(const Session& session, const std::optional<Compositor>& compositor);

// Reads the session from the environment, asks the compositor when that is worth it, and makes
// X11 the platform where it is preferred. Call it before the application object is made.
void ChoosePlatform();

} // namespace platform::qt
