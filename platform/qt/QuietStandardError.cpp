// Standard error sent to /dev/null and back, through a saved copy of its descriptor.
#include "platform/qt/QuietStandardError.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform::qt {

QuietStandardError::QuietStandardError() : saved_(fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0)) {
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0 && saved_ >= 0) {
        dup2(null, STDERR_FILENO);
    }
    if (null >= 0) {
        close(null);
    }
}

QuietStandardError::~QuietStandardError() {
    if (saved_ >= 0) {
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
}

} // namespace platform::qt
