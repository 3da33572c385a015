// A connection to the X server made and dropped through libxcb's entry points, loaded when asked.
#include "platform/qt/XServer.h"

#include "platform/qt/HeldStandardError.h"
#include "platform/qt/LibraryEntry.h"

#include <xcb/xcb.h>

namespace platform::qt {

XServerAnswer AskXServer(const char* name) {
    // The library's ABI, unchanged since its first stable release; the toolkit keeps it loaded.
    void* const library = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    decltype(&xcb_connect) connect = nullptr;
    decltype(&xcb_connection_has_error) hasError = nullptr;
    decltype(&xcb_disconnect) disconnect = nullptr;
    if (library == nullptr || !FindEntry(library, "xcb_connect", connect) ||
        !FindEntry(library, "xcb_connection_has_error", hasError) ||
        !FindEntry(library, "xcb_disconnect", disconnect)) {
        return XServerAnswer::Unreachable;
    }
    HeldStandardError held;
    xcb_connection_t* const connection = connect(name, nullptr);
    // The library writes there the reason of a server that refuses the client, and only then: the
    // same error code stands for a refusal and for no server at all.
    const bool refused = !held.Release().empty();
    const bool taken = hasError(connection) == 0;
    disconnect(connection);
    if (taken) {
        return XServerAnswer::Took;
    }
    return refused ? XServerAnswer::Refused : XServerAnswer::Unreachable;
}

} // namespace platform::qt
