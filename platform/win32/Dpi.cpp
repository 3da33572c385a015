#include "platform/win32/Dpi.h"

#include "platform/win32/RunTimeFunction.h"

namespace platform::win32 {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// Windows 10 added these; earlier versions have only the system-wide resolution.
template <typename Function> Function User32Function(const char* name) {
    return FunctionOf<Function>(GetModuleHandleW(L"user32.dll"), name);
}

UINT SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

} // namespace

UINT DpiOfWindow(HWND window) {
    const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return dpi;
        }
    }
    return SystemDpi();
}

RECT ToPixels(const TwipsRect& twips, UINT dpi) {
    const PixelRect pixels = TwipsToPixels(twips, dpi);
    return {pixels.left, pixels.top, pixels.left + pixels.width, pixels.top + pixels.height};
}

SIZE ToPixels(const TwipsSize& twips, UINT dpi) {
    return {TwipsToPixels(twips.width, dpi), TwipsToPixels(twips.height, dpi)};
}

SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi) {
    const auto adjustForDpi =
        User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    if (adjustForDpi != nullptr) {
        adjustForDpi(&rect, style, FALSE, exStyle, dpi);
    } else {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace platform::win32
