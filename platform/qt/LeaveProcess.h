// Leaving the process without running anything more of it.
#pragma once

#include <cstdio>
#include <unistd.h>

namespace platform::qt {

// Flushes stdio and ends the process with the status at once: no destructor, exit handler or
// further event runs.
[[noreturn]] inline void LeaveProcess(int status) {
    std::fflush(nullptr);
    _exit(status);
}

} // namespace platform::qt
