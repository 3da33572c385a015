// Looks up an entry point of a library that the program loads when it needs it.
#pragma once

#include <dlfcn.h>

namespace platform::qt {

// Sets ENTRY to the symbol NAME of LIBRARY, read as ENTRY's type; whether the library has it.
template <typename Entry> bool FindEntry(void* library, const char* name, Entry& entry) {
    entry = reinterpret_cast<Entry>(dlsym(library, name));
    return entry != nullptr;
}

} // namespace platform::qt
