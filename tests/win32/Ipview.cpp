#include "Ipview.h"

#include <stdexcept>
#include <vector>

namespace driver {
namespace {

constexpr wchar_t kCaption[] = L"Torvale - ip查看工具";
constexpr wchar_t kApplicationTitle[] = L"Torvaleip查看工具";
// Generous: the first program in a fresh wine prefix starts slowly.
constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kLookupTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 30000;
constexpr UINT kMessageTimeoutMs = 10000;

std::wstring WindowText(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                        &length);
    std::vector<wchar_t> text(length + 1);
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied);
    return std::wstring(text.data(), copied);
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    return FindWindowExW(parent, nullptr, className, nullptr);
}

} // namespace

Ipview::Ipview(const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        throw std::runtime_error("cannot start the program");
    }
    WaitUntil(
        [&] {
            window_ = FindOwnWindow(nullptr, kCaption);
            return (window_ != nullptr && IsWindowVisible(window_)) || !Running();
        },
        kStartTimeoutMs);
    if (window_ == nullptr) {
        throw std::runtime_error("the window did not appear");
    }
    threadId_ = GetWindowThreadProcessId(window_, nullptr);
    text1_ = ChildOfClass(window_, L"Edit");
    command1_ = ChildOfClass(window_, L"Button");
}

Ipview::~Ipview() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, kExitTimeoutMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::wstring Ipview::Text() const {
    return WindowText(text1_);
}

void Ipview::SetText(const std::wstring& text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(text1_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result);
}

void Ipview::Click() {
    PostMessageW(command1_, BM_CLICK, 0, 0);
}

std::wstring Ipview::WaitForTextOtherThan(const std::wstring& before) {
    std::wstring text = before;
    WaitUntil(
        [&] {
            text = Text();
            return text != before;
        },
        kLookupTimeoutMs);
    return text;
}

HWND Ipview::WaitForMessageBox(DWORD timeoutMs) const {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            box = FindOwnWindow(L"#32770", kApplicationTitle);
            return box != nullptr && IsWindowVisible(box);
        },
        timeoutMs);
    return box;
}

HWND Ipview::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId_, &info) ? info.hwndFocus : nullptr;
}

void Ipview::PressKey(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

DWORD Ipview::Close() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    WaitForSingleObject(process_.hProcess, kExitTimeoutMs);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return exitCode;
}

bool Ipview::Running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND Ipview::FindOwnWindow(const wchar_t* className, const wchar_t* caption) const {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, className, caption)) != nullptr) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (processId == process_.dwProcessId) {
            return window;
        }
    }
    return nullptr;
}

std::wstring MessagePrompt(HWND box) {
    std::wstring prompt;
    for (HWND child = nullptr; (child = FindWindowExW(box, child, L"Static", nullptr));) {
        const std::wstring text = WindowText(child);
        if (!text.empty()) {
            prompt = text;
        }
    }
    return prompt;
}

bool HasButton(HWND box, int id) {
    const HWND button = GetDlgItem(box, id);
    return button != nullptr && IsWindowVisible(button);
}

} // namespace driver
