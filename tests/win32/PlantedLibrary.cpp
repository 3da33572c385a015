// A library that a test plants beside a program under the name of a system library. Loaded, it
// leaves a mark beside itself, named as itself with ".loaded" added, and ends the process with
// exit status 77 before anything else of the process runs on.
#include <windows.h>

namespace {

constexpr UINT kLoadedStatus = 77;

void LeaveMark(HINSTANCE library) {
    wchar_t mark[MAX_PATH + 8] = {};
    const DWORD length = GetModuleFileNameW(library, mark, MAX_PATH);
    lstrcpyW(mark + length, L".loaded");
    const HANDLE file =
        CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
}

} // namespace

// What a program that imports the sockets library at link time binds to; never called.
extern "C" __declspec(dllexport) int WSAStartup() {
    return 0;
}
extern "C" __declspec(dllexport) int WSACleanup() {
    return 0;
}
extern "C" __declspec(dllexport) void* gethostbyname() {
    return nullptr;
}

BOOL WINAPI DllMain(HINSTANCE library, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        LeaveMark(library);
        ExitProcess(kLoadedStatus);
    }
    return TRUE;
}
