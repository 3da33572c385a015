// Looks up libwayland-client's entry points in the library, loaded when asked for.
#include "platform/qt/WaylandClient.h"

#include <dlfcn.h>

namespace platform::qt {
namespace {

template <typename Entry> bool Find(void* library, const char* name, Entry& entry) {
    entry = reinterpret_cast<Entry>(dlsym(library, name));
    return entry != nullptr;
}

} // namespace

std::optional<WaylandClient> LoadWaylandClient() {
    // The library's ABI, unchanged since its first stable release.
    void* const library = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    WaylandClient client{};
    const bool complete = Find(library, "wl_display_connect", client.connect) &&
                          Find(library, "wl_display_disconnect", client.disconnect) &&
                          Find(library, "wl_display_get_fd", client.getFd) &&
                          Find(library, "wl_display_flush", client.flush) &&
                          Find(library, "wl_display_prepare_read", client.prepareRead) &&
                          Find(library, "wl_display_cancel_read", client.cancelRead) &&
                          Find(library, "wl_display_read_events", client.readEvents) &&
                          Find(library, "wl_display_dispatch_pending", client.dispatchPending) &&
                          Find(library, "wl_proxy_marshal_flags", client.marshalFlags) &&
                          Find(library, "wl_proxy_add_listener", client.addListener) &&
                          Find(library, "wl_proxy_destroy", client.destroy) &&
                          Find(library, "wl_registry_interface", client.registryInterface) &&
                          Find(library, "wl_callback_interface", client.callbackInterface) &&
                          Find(library, "wl_output_interface", client.outputInterface);
    if (!complete) {
        dlclose(library);
        return std::nullopt;
    }
    return client;
}

} // namespace platform::qt
