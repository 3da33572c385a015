// The window Form1 on Win32, built in code from its description and scaled by its resolution,
// and the runtime that delivers its events and serves its handlers.
#pragma once

#include "platform/Runtime.h"
#include "platform/win32/Fonts.h"

#include <windows.h>

namespace platform::win32 {

class Form1Window final : public Runtime {
public:
    explicit Form1Window(HINSTANCE instance);
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;
    ~Form1Window() = default;

    int Run(const FormDescription& description, FormEvents& events) override;
    std::string Text1Text() const override;
    void SetText1Text(std::string_view text) override;
    void ShowMessage(std::string_view prompt) override;
    [[noreturn]] void End() override;

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool Create();
    bool OnCreate();
    void OnCommand(WPARAM wParam);
    LRESULT OnCtlColorEdit(HDC context, HWND control);
    void OnActivate(WPARAM wParam);
    void OnSetFocus();
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnClose();

    DWORD Style() const;
    void ApplyDpi(UINT dpi);
    void CentreOnScreen(UINT dpi);
    int RunMessageLoop();

    HINSTANCE instance_;
    const FormDescription* description_ = nullptr;
    FormEvents* events_ = nullptr;
    HWND window_ = nullptr;
    HWND text1_ = nullptr;
    HWND command1_ = nullptr;
    // The control that gets the focus back when the window is activated again.
    HWND focus_ = nullptr;
    Font text1Font_;
    Font command1Font_;
};

} // namespace platform::win32
