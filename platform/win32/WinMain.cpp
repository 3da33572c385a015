// The entry point of the Windows program: the window Form1 on the Win32 runtime and wsock32.
#include "form1/Form1.h"
#include "form1/Form1Description.h"
#include "platform/win32/Form1Window.h"
#include "platform/win32/SystemLibraries.h"
#include "platform/win32/WinSockets.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    // Before any library is loaded on the program's behalf: nothing before this loads one.
    platform::win32::LoadLibrariesFromTheSystemFolderOnly();
    platform::win32::WinSockets sockets;
    platform::win32::Form1Window runtime(instance);
    form1::Form1 form(runtime, sockets);
    return runtime.Run(form1::Form1Description(), form);
}
