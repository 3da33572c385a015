// A connection to the X server made and dropped through libxcb's entry points, loaded when asked.
#include "platform/qt/XServer.h"

#include "platform/qt/LibraryEntry.h"
#include "platform/qt/QuietStandardError.h"

#include <xcb/xcb.h>

namespace platform::qt {

bool XServerTakesAClient() {
    // The library's ABI, unchanged since its first stable release; the toolkit keeps it loaded.
    void* const library = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    decltype(&xcb_connect) connect = nullptr;
    decltype(&xcb_connection_has_error) hasError = nullptr;
    decltype(&xcb_disconnect) disconnect = nullptr;
    if (library == nullptr || !FindEntry(library, "xcb_connect", connect) ||
        !FindEntry(library, "xcb_connection_has_error", hasError) ||
        !FindEntry(library, "xcb_disconnect", disconnect)) {
        return false;
    }
    xcb_connection_t* connection = nullptr;
    {
        // The library writes the server's reason for a refusal there; the program says it itself.
        const QuietStandardError quiet;
        connection = connect(nullptr, nullptr);
    }
    const bool taken = hasError(connection) == 0;
    disconnect(connection);
    return taken;
}

} // namespace platform::qt
