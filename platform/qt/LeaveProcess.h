// Leaving the process without running anything more of it.
#pragma once

namespace platform::qt {

// Flushes stdio and ends the process with the status at once: no destructor, exit handler or
// further event runs.
[[noreturn]] void LeaveProcess(int status);

} // namespace platform::qt
