// What this machine's own tools say about it, and the library's answers in the same dotted form.
#pragma once

#include "platform/posix/PosixSockets.h"

#include <arpa/inet.h>
#include <cstdio>
#include <memory>
#include <string>

namespace posix_tests {

// The first line a shell command prints, without its line end; empty when it prints nothing.
inline std::string FirstLineOf(const char* command) {
    const std::unique_ptr<FILE, int (*)(FILE*)> output(popen(command, "r"), pclose);
    char line[256] = {};
    if (!output || std::fgets(line, sizeof line, output.get()) == nullptr) {
        return {};
    }
    std::string text = line;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

// The first IPv4 address of the interface that `ip` names for the default route, dotted.
inline std::string DefaultRouteAddressPerIpTool() {
    return FirstLineOf(
        "dev=$(ip -4 route show default |"
        " awk '{for (i = 1; i < NF; i++) if ($i == \"dev\") { print $(i + 1); exit }}');"
        " [ -n \"$dev\" ] && ip -4 -o addr show dev \"$dev\" |"
        " awk '{split($4, a, \"/\"); print a[1]; exit}'");
}

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
