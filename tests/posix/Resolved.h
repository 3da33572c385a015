// The library's answer for a name in the dotted form that tests and tools write.
#pragma once

#include "platform/posix/PosixSockets.h"

#include <arpa/inet.h>
#include <string>

namespace posix_tests {

// The address the library gives for the name, dotted, or "(no entry)".
inline std::string Resolved(const std::string& name) {
    const auto entry = platform::posix::PosixSockets().gethostbyname(name);
    if (!entry || entry->h_length != 4 || entry->firstAddress.size() != 4) {
        return "(no entry)";
    }
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, entry->firstAddress.data(), text, sizeof text);
    return text;
}

} // namespace posix_tests
