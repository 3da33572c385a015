// Chooses the toolkit's platforms from the session's environment, its compositor's answer and
// which of its displays take the program.
#include "platform/qt/PlatformChoice.h"

#include "platform/qt/XServer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace platform::qt {
namespace {

// Ample for a compositor on a loaded machine, which answers in about a millisecond; one that
// takes longer has still taken the connection, and Qt would wait for it anyway.
constexpr std::chrono::milliseconds kProbeBudget{500};

bool IsSet(const char* name) {
    const char* const value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// The display that the variable NAME names, as the line names it.
std::string Label(const char* name) {
    return IsSet(name) ? std::string(name) + '=' + Quoted(std::getenv(name)) : std::string(name);
}

// The Wayland display, named by the connection handed over, by WAYLAND_DISPLAY, or where a
// Wayland session leaves WAYLAND_DISPLAY unset, by libwayland's default, which Qt connects to then.
std::string WaylandLabel(const Session& session) {
    if (session.waylandConnectionHandedOver) {
        return Label("WAYLAND_SOCKET");
    }
    return IsSet("WAYLAND_DISPLAY") || !session.waylandCompositor
               ? Label("WAYLAND_DISPLAY")
               : "WAYLAND_DISPLAY's default " + Quoted("wayland-0");
}

} // namespace

PlatformArguments ReadPlatformArguments(int argc, const char* const* argv) {
    PlatformArguments arguments;
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view option(argv[i]);
        if (option.starts_with("--")) {
            option.remove_prefix(1);
        }
        if (option == "-platform") {
            arguments.platform = true;
        } else if (option == "-display") {
            arguments.xDisplay = argv[++i];
        }
    }
    return arguments;
}

bool WorthProbing(const Session& session) {
    return !session.platformChosenByUser && !session.x11ChosenByUser && session.xServer &&
           session.waylandCompositor && !session.waylandConnectionHandedOver;
}

bool PrefersX11(const Session& session, const std::optional<Compositor>& compositor) {
    return session.x11ChosenByUser ||
           (WorthProbing(session) && compositor.has_value() && !compositor->drawsFrames &&
            compositor->everyOutputAtScaleOne);
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

std::optional<std::vector<TriedDisplay>> ChoosePlatform(int argc, const char* const* argv) {
    const PlatformArguments arguments = ReadPlatformArguments(argc, argv);
    const char* const xDisplay =
        arguments.xDisplay.has_value() ? arguments.xDisplay->c_str() : std::getenv("DISPLAY");
    const char* const sessionType = std::getenv("XDG_SESSION_TYPE");
    const Session session{
        .platformChosenByUser = IsSet("QT_QPA_PLATFORM") || arguments.platform,
        .x11ChosenByUser = arguments.xDisplay.has_value(),
        .xServer = xDisplay != nullptr && *xDisplay != '\0',
        .waylandCompositor = IsSet("WAYLAND_DISPLAY") || IsSet("WAYLAND_SOCKET") ||
                             (sessionType != nullptr && std::string_view(sessionType) == "wayland"),
        .waylandConnectionHandedOver = IsSet("WAYLAND_SOCKET"),
    };
    if (session.platformChosenByUser) {
        return std::vector<TriedDisplay>();
    }
    std::vector<TriedDisplay> displays{
        {.platform = Platform::X11,
         .label = session.x11ChosenByUser ? "-display " + Quoted(xDisplay) : Label("DISPLAY"),
         .outcome = session.xServer ? Outcome::LeftToQt : Outcome::NotNamed},
        {.platform = Platform::Wayland,
         .label = WaylandLabel(session),
         .outcome = session.waylandCompositor ? Outcome::LeftToQt : Outcome::NotNamed},
    };
    const std::optional<CompositorLook> look =
        WorthProbing(session) ? std::optional(ProbeCompositor(kProbeBudget)) : std::nullopt;
    const auto takesAClient = [&](Platform platform) {
        Outcome& outcome = displays[platform == Platform::X11 ? 0 : 1].outcome;
        if (platform == Platform::X11) {
            const XServerAnswer answer = AskXServer(xDisplay);
            if (answer != XServerAnswer::Took) {
                outcome =
                    answer == XServerAnswer::Refused ? Outcome::Refused : Outcome::Unreachable;
            }
        } else if (!session.waylandConnectionHandedOver &&
                   !(look.has_value() ? look->reached : CompositorTakesAClient())) {
            outcome = Outcome::Unreachable;
        }
        return outcome == Outcome::LeftToQt;
    };
    const std::optional<Platform> platform = FirstThatTakesTheProgram(
        session, look.has_value() ? look->compositor : std::nullopt, takesAClient);
    if (!platform.has_value()) {
        std::fprintf(stderr, "%s\n", NoDisplayLine(displays).c_str());
        return std::nullopt;
    }
    // Read by the application object when it loads its platform: Qt takes the first of the list
    // that it can, so that a missing plugin, or a display that fails after all, leads to the other.
    setenv("QT_QPA_PLATFORM", *platform == Platform::X11 ? "xcb;wayland" : "wayland;xcb", 1);
    return displays;
}

} // namespace platform::qt
