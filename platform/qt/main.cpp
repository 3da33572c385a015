// The Linux program: the window Form1 on the Qt runtime and the POSIX sockets library.
#include "form1/Form1.h"
#include "form1/Form1Description.h"
#include "platform/posix/PosixSockets.h"
#include "platform/qt/PlatformChoice.h"
#include "platform/qt/QtRuntime.h"
#include "platform/qt/ToolkitStart.h"

#include <utility>

int main(int argc, char** argv) {
    auto displays = platform::qt::ChoosePlatform(argc, argv);
    if (!displays.has_value()) {
        return 1;
    }
    platform::qt::ToolkitStart start(std::move(*displays));
    platform::qt::QtRuntime runtime(argc, argv);
    start.Opened();
    platform::posix::PosixSockets sockets;
    form1::Form1 form(runtime, sockets);
    return runtime.Finish(runtime.Run(form1::Form1Description(), form));
}
