// Asks an X server whether it takes the program as a client, before the toolkit tries.
#pragma once

namespace platform::qt {

enum class XServerAnswer { Took, Refused, Unreachable };

// Connects to the X display NAME and disconnects at once through libxcb, loaded for it as the
// toolkit's X11 platform loads it. An X server can refuse a client that lacks the session's cookie
// (XAUTHORITY), so a connection on its socket alone tells nothing. Unreachable where nothing takes
// the connection or the library is missing.
XServerAnswer AskXServer(const char* name);

} // namespace platform::qt
