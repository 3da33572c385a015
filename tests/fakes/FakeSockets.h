// A sockets library whose answers a test sets, and which counts what was asked of it.
#pragma once

#include "platform/Sockets.h"

#include <map>
#include <string>
#include <vector>

namespace fakes {

class FakeSockets final : public platform::Sockets {
public:
    // What start-up and clean-up answer; a healthy 1.1 library by default.
    int startupResult = 0;
    platform::StartupRecord startupRecord{.wVersion = 0x0101, .iMaxSockets = 32767};
    std::int32_t cleanupResult = 0;
    // Names the resolver knows, in the narrow character set.
    std::map<std::string, platform::HostEntry> hosts;
    // Characters (UTF-8) that the narrow character set cannot hold.
    std::vector<std::string> unrepresentable;

    int WSAStartup(std::uint16_t versionRequested, platform::StartupRecord& record) override {
        requestedVersion = versionRequested;
        if (startupResult == 0) {
            record = startupRecord;
        }
        return startupResult;
    }

    std::int32_t WSACleanup() override {
        ++cleanups;
        return cleanupResult;
    }

    std::optional<std::string> ToNarrow(std::string_view text) const override {
        for (const std::string& character : unrepresentable) {
            if (text.find(character) != std::string_view::npos) {
                return std::nullopt;
            }
        }
        return std::string(text);
    }

    std::optional<platform::HostEntry> gethostbyname(const std::string& name) override {
        lookedUp.push_back(name);
        const auto host = hosts.find(name);
        if (host == hosts.end()) {
            return std::nullopt;
        }
        return host->second;
    }

    int cleanups = 0;
    std::uint16_t requestedVersion = 0;
    std::vector<std::string> lookedUp;
};

} // namespace fakes
