// A running ipview.exe seen from outside, as a person sees it: its window, its box, its button
// and the message boxes it shows, driven through window messages.
#pragma once

#include <string>
#include <windows.h>

namespace driver {

class Ipview {
public:
    // Starts the program and waits for its window to be on the screen.
    explicit Ipview(const std::wstring& program);
    Ipview(const Ipview&) = delete;
    Ipview& operator=(const Ipview&) = delete;
    // Ends the program if it still runs.
    ~Ipview();

    HWND window() const { return window_; }
    HWND text1() const { return text1_; }
    HWND command1() const { return command1_; }
    DWORD threadId() const { return threadId_; }

    std::wstring Text() const;
    void SetText(const std::wstring& text);
    // Clicks the button without waiting for its handler, which may show a message box.
    void Click();
    // Waits until the text of the box is other than `before`; returns the new text.
    std::wstring WaitForTextOtherThan(const std::wstring& before);
    // The message box the program shows, or nullptr when none appears within `timeoutMs`.
    HWND WaitForMessageBox(DWORD timeoutMs) const;
    // The window of the program that has the keyboard focus.
    HWND Focus() const;
    // Posts a key press to `target`; the program's message loop makes its character.
    void PressKey(HWND target, WPARAM key);
    // Closes the window as its close box does; returns the exit code, or STILL_ACTIVE.
    DWORD Close();
    bool Running() const;

private:
    HWND FindOwnWindow(const wchar_t* className, const wchar_t* caption) const;

    PROCESS_INFORMATION process_{};
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
    HWND text1_ = nullptr;
    HWND command1_ = nullptr;
};

// The text of the message box's prompt.
std::wstring MessagePrompt(HWND box);
// Whether the message box offers a button with this command identifier.
bool HasButton(HWND box, int id);

// Waits until `condition` holds or `timeoutMs` have passed; returns whether it held.
template <typename Condition> bool WaitUntil(Condition condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

} // namespace driver
