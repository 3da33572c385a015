#include "platform/qt/LeaveProcess.h"

#include <cstdio>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace platform::qt {

void LeaveProcess(int status) {
    std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    // _exit skips the leak check that would run at exit; what is still in use is reachable.
    __lsan_do_leak_check();
#endif
    _exit(status);
}

} // namespace platform::qt
