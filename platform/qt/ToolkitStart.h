// Watches the toolkit's start, where Qt tries the platforms of its list in turn, so that where it
// opens none the program ends with one line of its own instead of Qt's abort.
#pragma once

#include "platform/qt/HeldStandardError.h"
#include "platform/qt/TriedDisplays.h"

#include <QtGlobal>
#include <optional>
#include <vector>

namespace platform::qt {

// From its making until Opened, Qt's messages and whatever its libraries write to standard error
// (libxcb writes an X server's refusal there itself) are held back. Where Qt opens no platform,
// they are dropped, and the program ends with status 1 and NoDisplayLine of DISPLAYS, as Qt's
// messages about missing platform plugins complete it. Make it before the application object,
// once at a time; with no displays (the user chose the platform) it watches nothing.
class ToolkitStart {
public:
    explicit ToolkitStart(std::vector<TriedDisplay> displays);
    ~ToolkitStart();
    ToolkitStart(const ToolkitStart&) = delete;
    ToolkitStart& operator=(const ToolkitStart&) = delete;

    // Once the application object is made: Qt's own message handler again, and what was held
    // back on standard error.
    void Opened();

private:
    static void OnMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message);

    std::vector<TriedDisplay> displays_;
    std::optional<HeldStandardError> held_;
    QtMessageHandler previous_ = nullptr;
};

} // namespace platform::qt
