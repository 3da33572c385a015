// Chooses the order in which Qt tries its platforms, before the application object is made, and
// ends the program with a line of its own where Qt starts none of them. X11 through Xwayland comes
// first where the Wayland compositor would leave the window's frame to the program and nothing is
// scaled, or where the user named an X display; elsewhere Wayland, as Qt has it. Both are always
// in the list, so that Qt falls back on the other by itself where a display refuses the program or
// a platform plugin is missing, and says why.
#pragma once

#include "platform/qt/WaylandProbe.h"

#include <functional>
#include <optional>
#include <string>

namespace platform::qt {

// What the session's environment and the program's arguments say of its displays.
struct Session {
    // By QT_QPA_PLATFORM or Qt's -platform option: the user's choice, which Qt reads itself.
    bool platformNamed = false;
    // DISPLAY, or the X display named with Qt's -display option; nothing where neither is set.
    const char* xDisplay = nullptr;
    bool xDisplayNamed = false;
    // WAYLAND_SOCKET's connection, else WAYLAND_DISPLAY; nothing where neither is set.
    const char* waylandDisplay = nullptr;
    // Such a connection can be taken once only: it is Qt's.
    bool waylandConnectionHandedOver = false;
    // Where it leaves WAYLAND_DISPLAY unset, libwayland, and Qt, take their default.
    bool waylandSession = false;
};

// Reads the environment, and the options among the arguments that Qt reads itself, with one dash
// or two, as Qt reads them.
Session ReadSession(int argc, const char* const* argv);

// QT_QPA_PLATFORM's list of both platforms, the preferred one first; null where the user named
// the platform. ASK_COMPOSITOR is called only where its answer can change the order, and returns
// nothing where no compositor takes the connection: X11 then comes first.
const char* PlatformList(const Session& session,
                         const std::function<std::optional<Compositor>()>& askCompositor);

// Hands Qt the list, asking the compositor where that counts, before the application object.
void ChoosePlatform(const Session& session);

// Where Qt starts none of the platforms of its list, it says why and aborts, which reads as a
// crash and may leave a core dump. From this call on, the program ends there instead with status
// 1 and NoDisplayLine after Qt's own words. Call it once, before the application object is made.
void EndWithLineWhereNoPlatformStarts(const Session& session);

// The displays that the session names, each value quoted, with quotes, backslashes and control
// characters escaped, so that the line stays one.
std::string NoDisplayLine(const Session& session);

} // namespace platform::qt
