// Looks up libwayland-client's entry points in the library, loaded when asked for.
#include "platform/qt/WaylandClient.h"

#include "platform/qt/LibraryEntry.h"

namespace platform::qt {

std::optional<WaylandClient> LoadWaylandClient() {
    // The library's ABI, unchanged since its first stable release.
    void* const library = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    WaylandClient client{};
    const bool complete =
        FindEntry(library, "wl_display_connect", client.connect) &&
        FindEntry(library, "wl_display_disconnect", client.disconnect) &&
        FindEntry(library, "wl_display_get_fd", client.getFd) &&
        FindEntry(library, "wl_display_flush", client.flush) &&
        FindEntry(library, "wl_display_prepare_read", client.prepareRead) &&
        FindEntry(library, "wl_display_cancel_read", client.cancelRead) &&
        FindEntry(library, "wl_display_read_events", client.readEvents) &&
        FindEntry(library, "wl_display_dispatch_pending", client.dispatchPending) &&
        FindEntry(library, "wl_proxy_marshal_flags", client.marshalFlags) &&
        FindEntry(library, "wl_proxy_add_listener", client.addListener) &&
        FindEntry(library, "wl_proxy_destroy", client.destroy) &&
        FindEntry(library, "wl_registry_interface", client.registryInterface) &&
        FindEntry(library, "wl_callback_interface", client.callbackInterface) &&
        FindEntry(library, "wl_output_interface", client.outputInterface);
    if (!complete) {
        dlclose(library);
        return std::nullopt;
    }
    return client;
}

} // namespace platform::qt
