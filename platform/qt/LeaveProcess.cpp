#include "platform/qt/LeaveProcess.h"

#include <cstdio>
#include <unistd.h>

namespace platform::qt {

void LeaveProcess(int status) {
    std::fflush(nullptr);
    _exit(status);
}

} // namespace platform::qt
