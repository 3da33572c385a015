// Asks the X server that DISPLAY names whether it takes the program as a client, before the
// toolkit tries and, refused, ends the program.
#pragma once

namespace platform::qt {

// Connects and disconnects at once through libxcb, loaded for it as the toolkit's X11 platform
// loads it. An X server can refuse a client that lacks the session's cookie (XAUTHORITY), so a
// connection on its socket alone tells nothing. False where it refuses, cannot be reached or the
// library is missing.
bool XServerTakesAClient();

} // namespace platform::qt
