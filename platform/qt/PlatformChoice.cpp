// Chooses the toolkit's platform from the session's environment, its compositor's answer and
// which of its displays take the program.
#include "platform/qt/PlatformChoice.h"

#include "platform/qt/XServer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace platform::qt {
namespace {

// Ample for a compositor on a loaded machine, which answers in about a millisecond; one that
// takes longer has still taken the connection, and Qt would wait for it anyway.
constexpr std::chrono::milliseconds kProbeBudget{500};

bool IsSet(const char* name) {
    const char* const value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// What became of the display that the variable NAME names, once it has been tried.
std::string Tried(const char* name) {
    return IsSet(name) ? std::string(name) + "=\"" + std::getenv(name) + "\" refused the connection"
                       : std::string(name) + " is not set";
}

} // namespace

bool ArgumentsChoosePlatform(int argc, const char* const* argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view option(argv[i]);
        if (option.starts_with("--")) {
            option.remove_prefix(1);
        }
        if (option == "-platform" || option == "-display") {
            return true;
        }
    }
    return false;
}

bool WorthProbing(const Session& session) {
    return !session.platformChosenByUser && session.xServer && session.waylandCompositor &&
           !session.waylandConnectionHandedOver;
}

bool PrefersX11(const Session& session, const std::optional<Compositor>& compositor) {
    return WorthProbing(session) && compositor.has_value() && !compositor->drawsFrames &&
           compositor->everyOutputAtScaleOne;
}

std::optional<Platform>
FirstThatTakesTheProgram(const Session& session, const std::optional<Compositor>& compositor,
                         const std::function<bool(Platform)>& takesAClient) {
    std::vector<Platform> preferred;
    if (session.waylandCompositor) {
        preferred.push_back(Platform::Wayland);
    }
    if (session.xServer) {
        preferred.insert(PrefersX11(session, compositor) ? preferred.begin() : preferred.end(),
                         Platform::X11);
    }
    const auto first = std::find_if(preferred.begin(), preferred.end(), takesAClient);
    return first == preferred.end() ? std::nullopt : std::optional(*first);
}

bool ChoosePlatform(int argc, const char* const* argv) {
    const Session session{
        .platformChosenByUser = IsSet("QT_QPA_PLATFORM") || ArgumentsChoosePlatform(argc, argv),
        .xServer = IsSet("DISPLAY"),
        .waylandCompositor = IsSet("WAYLAND_DISPLAY") || IsSet("WAYLAND_SOCKET"),
        .waylandConnectionHandedOver = IsSet("WAYLAND_SOCKET"),
    };
    if (session.platformChosenByUser) {
        return true;
    }
    const std::optional<CompositorLook> look =
        WorthProbing(session) ? std::optional(ProbeCompositor(kProbeBudget)) : std::nullopt;
    const auto takesAClient = [&](Platform platform) {
        if (platform == Platform::X11) {
            return XServerTakesAClient();
        }
        if (session.waylandConnectionHandedOver) {
            return true;
        }
        return look.has_value() ? look->reached : CompositorTakesAClient();
    };
    const std::optional<Platform> platform = FirstThatTakesTheProgram(
        session, look.has_value() ? look->compositor : std::nullopt, takesAClient);
    if (!platform.has_value()) {
        std::fprintf(stderr, "ipview: no display could be opened: %s, %s\n",
                     Tried("DISPLAY").c_str(), Tried("WAYLAND_DISPLAY").c_str());
        return false;
    }
    // Read by the application object when it loads its platform.
    setenv("QT_QPA_PLATFORM", *platform == Platform::X11 ? "xcb" : "wayland", 1);
    return true;
}

} // namespace platform::qt
