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

// Connects to the compositor that WAYLAND_DISPLAY names and reads its announcements. Nothing
// when it cannot be reached, fails, or has not answered within the budget.
std::optional<Compositor> ProbeCompositor(std::chrono::milliseconds budget);

} // namespace platform::qt
