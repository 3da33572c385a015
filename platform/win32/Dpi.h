// The resolution a window is drawn at, through the per-monitor functions where Windows has them
// and the system-wide resolution where it does not.
#pragma once

#include "platform/FormDescription.h"

#include <windows.h>

namespace platform::win32 {

inline constexpr UINT kDefaultDpi = 96;

UINT DpiOfWindow(HWND window);

// A rectangle or size of the description in pixels at `dpi`.
RECT ToPixels(const TwipsRect& twips, UINT dpi);
SIZE ToPixels(const TwipsSize& twips, UINT dpi);

// The size of a window whose client area is `client` pixels, frame included, at `dpi`.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

} // namespace platform::win32
