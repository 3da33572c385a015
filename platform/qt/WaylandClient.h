// libwayland-client, loaded when there is a compositor to ask instead of linked, so that a run on
// X11 never maps it; the toolkit's Wayland platform loads the same library when it is used.
#pragma once

#include <optional>
#include <wayland-client-core.h>

namespace platform::qt {

// The library's entry points that a look at the compositor's registry needs.
struct WaylandClient {
    decltype(&wl_display_connect) connect;
    decltype(&wl_display_disconnect) disconnect;
    decltype(&wl_display_get_fd) getFd;
    decltype(&wl_display_flush) flush;
    decltype(&wl_display_prepare_read) prepareRead;
    decltype(&wl_display_cancel_read) cancelRead;
    decltype(&wl_display_read_events) readEvents;
    decltype(&wl_display_dispatch_pending) dispatchPending;
    decltype(&wl_proxy_marshal_flags) marshalFlags;
    decltype(&wl_proxy_add_listener) addListener;
    decltype(&wl_proxy_destroy) destroy;
    const wl_interface* registryInterface;
    const wl_interface* callbackInterface;
    const wl_interface* outputInterface;
};

// Loads the library for the rest of the run. Nothing where it is not installed or lacks an entry
// point.
std::optional<WaylandClient> LoadWaylandClient();

} // namespace platform::qt
