// Functions taken from a library at run time: those that not every supported Windows has, and
// those of the libraries that the program loads itself.
#pragma once

#include <windows.h>

namespace platform::win32 {

// Null when the library lacks the function.
template <typename Function> Function FunctionOf(HMODULE library, const char* name) {
    const FARPROC address = GetProcAddress(library, name);
    // Through void (*)(), which GCC accepts as a cast to any function type.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

} // namespace platform::win32
