// Reads a Wayland compositor's registry and the scales of its outputs, every wait bounded, so
// that a compositor that does not answer cannot hold up the program's start.
#include "platform/qt/WaylandProbe.h"

#include "platform/qt/HeldStandardError.h"
#include "platform/qt/WaylandClient.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <string_view>
#include <vector>
#include <wayland-client-protocol.h>

namespace platform::qt {
namespace {

using Clock = std::chrono::steady_clock;

// The first version of wl_output that tells its scale; a version 1 output runs at scale 1.
constexpr std::uint32_t kOutputScaleVersion = 2;

struct Probe {
    const WaylandClient& client;
    Compositor compositor;
    std::vector<wl_proxy*> outputs;
};

// Every object of the protocol is a proxy underneath, as the library's own requests take it.
template <typename Object> wl_proxy* AsProxy(Object* object) {
    return reinterpret_cast<wl_proxy*>(object);
}

// The library reads a listener as the array of event handlers that it is.
template <typename Listener>
void Listen(const WaylandClient& client, wl_proxy* object, const Listener& listener, void* data) {
    client.addListener(object, reinterpret_cast<void (**)()>(const_cast<Listener*>(&listener)),
                       data);
}

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
    } else if (announced == probe.client.outputInterface->name && version >= kOutputScaleVersion) {
        wl_proxy* const output = probe.client.marshalFlags(
            AsProxy(registry), WL_REGISTRY_BIND, probe.client.outputInterface, kOutputScaleVersion,
            0, name, interface, kOutputScaleVersion, nullptr);
        probe.outputs.push_back(output);
        Listen(probe.client, output, kOutputListener, &probe);
    }
}

const wl_registry_listener kRegistryListener{
    .global = OnGlobal,
    .global_remove = [](void*, wl_registry*, std::uint32_t) {},
};

bool ReadableBefore(int fd, Clock::time_point deadline) {
    pollfd connection{.fd = fd, .events = POLLIN, .revents = 0};
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        const int ready = poll(&connection, 1, static_cast<int>(left.count()));
        if (ready >= 0 || errno != EINTR) {
            return ready > 0;
        }
    }
}

// Dispatches the compositor's events until `done` is set, as wl_display_roundtrip does, but
// gives up at the deadline.
bool DispatchUntil(const WaylandClient& client, wl_display* display, const bool& done,
                   Clock::time_point deadline) {
    while (!done) {
        if (client.prepareRead(display) != 0) {
            if (client.dispatchPending(display) < 0) {
                return false;
            }
            continue;
        }
        if (client.flush(display) < 0 || !ReadableBefore(client.getFd(display), deadline)) {
            client.cancelRead(display);
            return false;
        }
        if (client.readEvents(display) < 0 || client.dispatchPending(display) < 0) {
            return false;
        }
    }
    return true;
}

bool Roundtrip(const WaylandClient& client, wl_display* display, Clock::time_point deadline) {
    static const wl_callback_listener kDone{
        .done = [](void* data, wl_callback*, std::uint32_t) { *static_cast<bool*>(data) = true; },
    };
    bool done = false;
    wl_proxy* const callback = client.marshalFlags(AsProxy(display), WL_DISPLAY_SYNC,
                                                   client.callbackInterface, 1, 0, nullptr);
    Listen(client, callback, kDone, &done);
    const bool answered = DispatchUntil(client, display, done, deadline);
    client.destroy(callback);
    return answered;
}

wl_display* Connect(const std::optional<WaylandClient>& client) {
    if (!client.has_value()) {
        return nullptr;
    }
    // The library logs there why a name leads nowhere; the program says it itself.
    const HeldStandardError held;
    return client->connect(nullptr);
}

} // namespace

CompositorLook ProbeCompositor(std::chrono::milliseconds budget) {
    const Clock::time_point deadline = Clock::now() + budget;
    const std::optional<WaylandClient> client = LoadWaylandClient();
    wl_display* const display = Connect(client);
    if (display == nullptr) {
        return {};
    }
    Probe probe{.client = *client, .compositor = {}, .outputs = {}};
    wl_proxy* const registry = client->marshalFlags(AsProxy(display), WL_DISPLAY_GET_REGISTRY,
                                                    client->registryInterface, 1, 0, nullptr);
    Listen(*client, registry, kRegistryListener, &probe);
    // The first answer brings the globals, and the outputs are bound; the second, their scales.
    const bool answered =
        Roundtrip(*client, display, deadline) && Roundtrip(*client, display, deadline);
    for (wl_proxy* const output : probe.outputs) {
        client->destroy(output);
    }
    client->destroy(registry);
    client->disconnect(display);
    return {.reached = true,
            .compositor = answered ? std::optional(probe.compositor) : std::nullopt};
}

bool CompositorTakesAClient() {
    const std::optional<WaylandClient> client = LoadWaylandClient();
    wl_display* const display = Connect(client);
    if (display == nullptr) {
        return false;
    }
    client->disconnect(display);
    return true;
}

} // namespace platform::qt
