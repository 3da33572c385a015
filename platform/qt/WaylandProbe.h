// Asks the session's Wayland compositor, over a connection of its own, what decides the platform:
// whether it frames its windows, and at what scale its outputs run.
#pragma once

#include <chrono>
#include <optional>

namespace platform::qt {

struct Compositor {
    // It announces a protocol by which it draws the frames of its windows itself.
    bool drawsFrames = false;
    bool everyOutputAtScaleOne = true;
};

// What a look at the compositor found.
struct CompositorLook {
    // It took the connection, so the program's window can open there.
    bool reached = false;
    // Its announcements; nothing where it failed or has not answered within the budget.
    std::optional<Compositor> compositor;
};

// Connects to the compositor that WAYLAND_DISPLAY names and reads its announcements.
CompositorLook ProbeCompositor(std::chrono::milliseconds budget);

// Whether the compositor that WAYLAND_DISPLAY names takes a connection; nothing is asked of it.
bool CompositorTakesAClient();

} // namespace platform::qt
