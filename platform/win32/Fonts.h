// The fonts of the window's controls, made from their description at the window's resolution.
#pragma once

#include "platform/FormDescription.h"

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <windows.h>

namespace platform::win32 {

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The character height in pixels, negative as LOGFONT takes it, of a font of `points` at `dpi`.
int FontHeight(double points, UINT dpi);

// The described face if installed, else its first installed look-alike, else the empty name,
// which stands for the platform's default face.
std::wstring ChooseFace(const FontDescription& description,
                        const std::function<bool(const std::wstring&)>& isInstalled);

bool IsFaceInstalled(const std::wstring& face);

Font CreateDescribedFont(const FontDescription& description, UINT dpi);

} // namespace platform::win32
