// Chooses the toolkit's platform from the session's environment and its compositor's answer.
#include "platform/qt/PlatformChoice.h"

#include <cstdlib>

namespace platform::qt {
namespace {

// Ample for a compositor on a loaded machine, which answers in about a millisecond; one that
// takes longer is left to Qt, which would wait for it anyway.
constexpr std::chrono::milliseconds kProbeBudget{500};

bool IsSet(const char* name) {
    const char* const value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

bool WorthProbing(const Session& session) {
    return !session.platformChosenByUser && session.xServer && session.waylandCompositor;
}

bool PrefersX11(const Session& session, const std::optional<Compositor>& compositor) {
    return WorthProbing(session) && compositor.has_value() && !compositor->drawsFrames &&
           compositor->everyOutputAtScaleOne;
}

void ChoosePlatform() {
    const Session session{
        .platformChosenByUser = IsSet("QT_QPA_PLATFORM"),
        .xServer = IsSet("DISPLAY"),
        // A connection handed over in WAYLAND_SOCKET can be taken once only: it is Qt's.
        .waylandCompositor = IsSet("WAYLAND_DISPLAY") && !IsSet("WAYLAND_SOCKET"),
    };
    if (WorthProbing(session) && PrefersX11(session, ProbeCompositor(kProbeBudget))) {
        // Read by the application object when it loads its platform.
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}

} // namespace platform::qt
