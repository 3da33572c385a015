// A Windows program with ipview's report of unexpected errors that fails as ipview never should:
// "throw" throws a C++ exception in a window procedure, out through the system's frames, as an
// event handler of the window would; "library" asks the C++ library for an element that is not
// there; "window" runs ipview's window where its window class cannot be registered, taken by
// another of the same name.
#include "form1/Form1Description.h"
#include "platform/FormEvents.h"
#include "platform/win32/Form1Window.h"

#include <string_view>
#include <vector>
#include <windows.h>

namespace {

class NoEvents final : public platform::FormEvents {
public:
    void Form_Load() override {}
    void Form_Unload(bool& /*Cancel*/) override {}
    void Command1_Click() override {}
};

struct Unexpected {};

LRESULT CALLBACK ThrowOnWmApp(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        throw Unexpected{};
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR commandLine, int /*show*/) {
    if (std::wstring_view(commandLine) == L"library") {
        return std::vector<int>().at(0);
    }
    const bool windowClassTaken = std::wstring_view(commandLine) == L"window";
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ThrowOnWmApp;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = windowClassTaken ? L"ipview.Form1" : L"FailsUnexpectedly";
    if (windowClassTaken) {
        NoEvents events;
        RegisterClassW(&windowClass);
        return platform::win32::Form1Window(instance).Run(form1::Form1Description(), events);
    }
    const HWND window = RegisterClassW(&windowClass)
                            ? CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0,
                                            HWND_MESSAGE, nullptr, instance, nullptr)
                            : nullptr;
    if (window == nullptr) {
        return 1;
    }
    SendMessageW(window, WM_APP, 0, 0);
    return 0;
}
