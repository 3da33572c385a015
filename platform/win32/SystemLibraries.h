// Libraries from the system folder only. The program is started from folders such as Downloads,
// where a web page may have left a DLL named as one of the libraries it uses.
#pragma once

#include <windows.h>

namespace platform::win32 {

// From here on, a library loaded by name, by the program or by the system libraries on its
// behalf, comes from the system folder only, where Windows allows it: from Windows 8 on, and on
// Windows 7 with its update of 2011 that brought the search flags.
void LoadLibrariesFromTheSystemFolderOnly();

// The library of that file name, from the system folder; null when it cannot be loaded there.
HMODULE LoadSystemLibrary(const wchar_t* fileName);

} // namespace platform::win32
