// Waiting for, finding and reading the windows of a program that a test started.
#pragma once

#include <string>
#include <windows.h>

namespace process_windows {

constexpr DWORD kWaitMs = 30000;

template <typename Condition> bool WaitUntil(Condition condition, DWORD timeoutMs = kWaitMs) {
    for (const ULONGLONG end = GetTickCount64() + timeoutMs; !condition(); Sleep(50)) {
        if (GetTickCount64() >= end) {
            return false;
        }
    }
    return true;
}

inline std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

// The visible top-level window of the process with that class and caption (null: any).
inline HWND VisibleWindowOf(DWORD processId, const wchar_t* className, const wchar_t* caption) {
    for (HWND found = nullptr; (found = FindWindowExW(nullptr, found, className, caption));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId && IsWindowVisible(found)) {
            return found;
        }
    }
    return nullptr;
}

// That window of the started process once it shows; null when the process ends first, or in time
// shows none.
inline HWND WaitForWindowOf(const PROCESS_INFORMATION& process, const wchar_t* className,
                            const wchar_t* caption) {
    HWND window = nullptr;
    WaitUntil([&] {
        return (window = VisibleWindowOf(process.dwProcessId, className, caption)) ||
               WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
    });
    return window;
}

// What a message box says: the text of its static controls.
inline std::wstring PromptOf(HWND box) {
    std::wstring prompt;
    for (HWND child = nullptr; (child = FindWindowExW(box, child, L"Static", nullptr));) {
        prompt += TextOf(child);
    }
    return prompt;
}

} // namespace process_windows
