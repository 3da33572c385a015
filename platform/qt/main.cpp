// The Linux program: the window Form1 on the Qt runtime and the POSIX sockets library.
#include "form1/Form1.h"
#include "form1/Form1Description.h"
#include "platform/posix/PosixSockets.h"
#include "platform/qt/PlatformChoice.h"
#include "platform/qt/QtRuntime.h"

int main(int argc, char** argv) {
    const platform::qt::Session session = platform::qt::ReadSession(argc, argv);
    platform::qt::ChoosePlatform(session);
    platform::qt::EndWithLineWhereNoPlatformStarts(session);
    platform::qt::QtRuntime runtime(argc, argv);
    platform::posix::PosixSockets sockets;
    form1::Form1 form(runtime, sockets);
    return runtime.Finish(runtime.Run(form1::Form1Description(), form));
}
