// The order of the toolkit's platforms, from the session's environment and its compositor's
// answer, and a message handler in front of Qt's own for the run.
#include "platform/qt/PlatformChoice.h"

#include "platform/qt/LeaveProcess.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace platform::qt {
namespace {

// The variable NAME's value; nothing where it is unset or empty.
const char* Variable(const char* name) {
    const char* const value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool control = byte < 0x20 || byte == 0x7f;
        char escaped[5] = {'\\', c, '\0'};
        if (control) {
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
        }
        quoted +=
            control || c == '"' || c == '\\' ? std::string_view(escaped) : std::string_view(&c, 1);
    }
    return quoted + '"';
}

std::string Named(std::string_view name, const char* value, std::string_view separator = "=") {
    return std::string(name) +
           (value != nullptr ? std::string(separator) + Quoted(value) : std::string(" is not set"));
}

// Both are set before the handler is installed and only read after, when Qt's threads may run.
QtMessageHandler qtsOwnHandler = nullptr;
std::string noDisplayLine;

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    qtsOwnHandler(type, context, message);
    // Qt's last word where no platform could be initialised, which it follows with abort(). The
    // process leaves at once: the application object is half made, and nothing of it may run,
    // nor LeakSanitizer's look at it.
    if (type == QtFatalMsg &&
        message.contains(QLatin1String("no Qt platform plugin could be initialized"))) {
        std::fprintf(stderr, "%s\n", noDisplayLine.c_str());
        LeaveProcess(1);
    }
}

} // namespace

Session ReadSession(int argc, const char* const* argv) {
    const char* const sessionType = Variable("XDG_SESSION_TYPE");
    Session session{
        .platformNamed = Variable("QT_QPA_PLATFORM") != nullptr,
        .xDisplay = Variable("DISPLAY"),
        .waylandDisplay = Variable("WAYLAND_SOCKET") != nullptr ? Variable("WAYLAND_SOCKET")
                                                                : Variable("WAYLAND_DISPLAY"),
        .waylandConnectionHandedOver = Variable("WAYLAND_SOCKET") != nullptr,
        .waylandSession = sessionType != nullptr && std::string_view(sessionType) == "wayland",
    };
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view option(argv[i]);
        if (option.starts_with("--")) {
            option.remove_prefix(1);
        }
        if (option == "-platform") {
            session.platformNamed = true;
        } else if (option == "-display") {
            session.xDisplay = argv[++i];
            session.xDisplayNamed = true;
        }
    }
    return session;
}

const char* PlatformList(const Session& session,
                         const std::function<std::optional<Compositor>()>& askCompositor) {
    if (session.platformNamed) {
        return nullptr;
    }
    const bool wayland = session.waylandDisplay != nullptr || session.waylandSession;
    bool x11First = session.xDisplayNamed || !wayland;
    if (!x11First && session.xDisplay != nullptr && !session.waylandConnectionHandedOver) {
        const std::optional<Compositor> compositor = askCompositor();
        x11First = !compositor.has_value() ||
                   (!compositor->drawsFrames && compositor->everyOutputAtScaleOne);
    }
    return x11First ? "xcb;wayland" : "wayland;xcb";
}

void ChoosePlatform(const Session& session) {
    if (const char* const list = PlatformList(session, AskCompositor)) {
        setenv("QT_QPA_PLATFORM", list, 1);
    }
}

std::string NoDisplayLine(const Session& session) {
    return "ipview: no display could be opened: " +
           (session.xDisplayNamed ? Named("-display", session.xDisplay, " ")
                                  : Named("DISPLAY", session.xDisplay)) +
           ", " +
           Named(session.waylandConnectionHandedOver ? "WAYLAND_SOCKET" : "WAYLAND_DISPLAY",
                 session.waylandDisplay);
}

void EndWithLineWhereNoPlatformStarts(const Session& session) {
    noDisplayLine = NoDisplayLine(session);
    qtsOwnHandler = qInstallMessageHandler(OnMessage);
}

} // namespace platform::qt
