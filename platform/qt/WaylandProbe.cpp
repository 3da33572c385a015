// Two round trips to a Wayland compositor: its registry, then the scales of its outputs.
#include "platform/qt/WaylandProbe.h"

#include <cstdint>
#include <string_view>
#include <vector>
#include <wayland-client.h>

namespace platform::qt {
namespace {

// The first version of wl_output that tells its scale; a version 1 output runs at scale 1.
constexpr std::uint32_t kOutputScaleVersion = 2;

struct Probe {
    Compositor compositor;
    std::vector<wl_output*> outputs;
};

void OnOutputScale(void* data, wl_output* /*output*/, std::int32_t factor) {
    if (factor != 1) {
        static_cast<Probe*>(data)->compositor.everyOutputAtScaleOne = false;
    }
}

// The events of a version 2 output; the later ones are never sent at that version.
const wl_output_listener kOutputListener{
    .geometry = [](void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                   std::int32_t, const char*, const char*, std::int32_t) {},
    .mode = [](void*, wl_output*, std::uint32_t, std::int32_t, std::int32_t, std::int32_t) {},
    .done = [](void*, wl_output*) {},
    .scale = OnOutputScale,
    .name = nullptr,
    .description = nullptr,
};

void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t version) {
    auto& probe = *static_cast<Probe*>(data);
    const std::string_view announced(interface);
    // xdg-decoration, or KDE's older protocol that KWin and Qt still speak.
    if (announced == "zxdg_decoration_manager_v1" ||
        announced == "org_kde_kwin_server_decoration_manager") {
        probe.compositor.drawsFrames = true;
    } else if (announced == wl_output_interface.name && version >= kOutputScaleVersion) {
        auto* const output = static_cast<wl_output*>(
            wl_registry_bind(registry, name, &wl_output_interface, kOutputScaleVersion));
        wl_output_add_listener(output, &kOutputListener, &probe);
        probe.outputs.push_back(output);
    }
}

const wl_registry_listener kRegistryListener{
    .global = OnGlobal,
    .global_remove = [](void*, wl_registry*, std::uint32_t) {},
};

} // namespace

std::optional<Compositor> AskCompositor() {
    wl_display* const display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return std::nullopt;
    }
    Probe probe;
    wl_registry* const registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &probe);
    // The first answer brings the globals, and the outputs are bound; the second, their scales.
    const bool answered = wl_display_roundtrip(display) >= 0 && wl_display_roundtrip(display) >= 0;
    for (wl_output* const output : probe.outputs) {
        wl_output_destroy(output);
    }
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return answered ? std::optional(probe.compositor) : std::nullopt;
}

} // namespace platform::qt
