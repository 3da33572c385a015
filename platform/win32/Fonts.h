// The fonts of the window's controls, made from their description at the window's resolution.
#pragma once

#include "platform/FormDescription.h"

#include <memory>
#include <string>
#include <type_traits>
#include <windows.h>

namespace platform::win32 {

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

Font CreateDescribedFont(const FontDescription& description, UINT dpi);

} // namespace platform::win32
