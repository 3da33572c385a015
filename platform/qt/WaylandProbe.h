// Asks the session's Wayland compositor what decides the platform: whether it frames its windows,
// and at what scale its outputs run.
#pragma once

#include <optional>

namespace platform::qt {

struct Compositor {
    // It announces a protocol by which it draws the frames of its windows itself.
    bool drawsFrames = false;
    bool everyOutputAtScaleOne = true;
};

// Reads the announcements of the compositor that libwayland connects to, waiting for them as Qt's
// own start would. Nothing where none takes the connection or it fails on the way.
std::optional<Compositor> AskCompositor();

} // namespace platform::qt
