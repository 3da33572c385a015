#include "platform/win32/SystemLibraries.h"

#include "platform/win32/RunTimeFunction.h"

#include <cwchar>

namespace platform::win32 {

void LoadLibrariesFromTheSystemFolderOnly() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories = FunctionOf<SetDefaultDllDirectoriesFunction>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories != nullptr) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
    const HMODULE library = LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library != nullptr || GetLastError() != ERROR_INVALID_PARAMETER) {
        return library;
    }
    // A Windows 7 without its update of 2011 refuses the flag as an invalid parameter. There, the
    // full path, whose folder is then also searched first for the library's own imports.
    wchar_t path[MAX_PATH];
    const std::size_t folderLength = GetSystemDirectoryW(path, MAX_PATH);
    const std::size_t nameLength = std::wcslen(fileName);
    if (folderLength == 0 || folderLength + 1 + nameLength >= MAX_PATH) {
        return nullptr;
    }
    path[folderLength] = L'\\';
    std::wmemcpy(path + folderLength + 1, fileName, nameLength + 1);
    return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace platform::win32
