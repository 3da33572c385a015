// Standard error sent to an anonymous file in memory and back, through a saved copy of its
// descriptor.
#include "platform/qt/HeldStandardError.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace platform::qt {

HeldStandardError::HeldStandardError()
    : saved_(fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0)),
      held_(memfd_create("ipview-standard-error", MFD_CLOEXEC)) {
    if (saved_ < 0 || held_ < 0 || dup2(held_, STDERR_FILENO) < 0) {
        Release();
    }
}

HeldStandardError::~HeldStandardError() {
    Release();
}

std::string HeldStandardError::Release() {
    std::string text;
    if (saved_ >= 0) {
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }
    if (held_ >= 0) {
        char buffer[4096];
        ssize_t length = 0;
        off_t offset = 0;
        while ((length = pread(held_, buffer, sizeof buffer, offset)) > 0) {
            text.append(buffer, static_cast<std::size_t>(length));
            offset += length;
        }
        close(held_);
        held_ = -1;
    }
    return text;
}

} // namespace platform::qt
