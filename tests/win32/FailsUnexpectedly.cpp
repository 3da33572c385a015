// A Windows program with ipview's report of unexpected errors that fails as ipview never should:
// "throw" throws a C++ exception in a window procedure, out through the system's frames, as an
// event handler of the window would; "library" asks the C++ library for an element that is not
// there.
#include <string_view>
#include <vector>
#include <windows.h>

namespace {

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
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ThrowOnWmApp;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"FailsUnexpectedly";
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
