// Qt's message handler while the application object is made, in front of the one it had.
#include "platform/qt/ToolkitStart.h"

#include "platform/qt/LeaveProcess.h"

#include <QString>
#include <cstdio>
#include <string_view>
#include <utility>

namespace platform::qt {
namespace {

// The start being watched: a message handler has no other way to it.
ToolkitStart* watched = nullptr;

} // namespace

ToolkitStart::ToolkitStart(std::vector<TriedDisplay> displays) : displays_(std::move(displays)) {
    if (displays_.empty()) {
        return;
    }
    held_.emplace();
    watched = this;
    previous_ = qInstallMessageHandler(OnMessage);
}

ToolkitStart::~ToolkitStart() {
    Opened();
}

void ToolkitStart::Opened() {
    if (watched != this) {
        return;
    }
    qInstallMessageHandler(previous_);
    watched = nullptr;
    const std::string text = held_->Release();
    std::fwrite(text.data(), 1, text.size(), stderr);
}

void ToolkitStart::OnMessage(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    ToolkitStart& start = *watched;
    if (type == QtFatalMsg) {
        // Qt's last word where no platform could be initialised, which it follows with abort().
        // The process leaves at once: the application object is half made, and nothing of it
        // may run, nor LeakSanitizer's look at it.
        start.held_->Release();
        std::fprintf(stderr, "%s\n", NoDisplayLine(start.displays_).c_str());
        LeaveProcess(1);
    }
    if (type == QtWarningMsg && context.category != nullptr &&
        std::string_view(context.category) == "qt.qpa.plugin") {
        // Qt warns of a platform it cannot find, and only says it could not load one it found.
        for (TriedDisplay& display : start.displays_) {
            const QString named = QLatin1Char('"') +
                                  QLatin1String(QtPlatformName(display.platform)) +
                                  QLatin1Char('"');
            if (display.outcome == Outcome::LeftToQt && message.contains(named)) {
                display.outcome = Outcome::NoPlatformPlugin;
            }
        }
    }
    start.previous_(type, context, message);
}

} // namespace platform::qt
