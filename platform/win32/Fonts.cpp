#include "platform/win32/Fonts.h"

#include "platform/win32/Utf16.h"

#include <cmath>

namespace platform::win32 {
namespace {

constexpr double kPointsPerInch = 72;

int CALLBACK NoteFaceFound(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/,
                           DWORD /*fontType*/, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one is enough
}

std::wstring DefaultFace() {
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    return font.lfFaceName;
}

// The character height in pixels, negative as LOGFONT takes it.
int FontHeight(double points, UINT dpi) {
    return -static_cast<int>(std::lround(points * dpi / kPointsPerInch));
}

bool IsFaceInstalled(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    if (face.empty() || face.size() >= LF_FACESIZE) {
        return false;
    }
    face.copy(wanted.lfFaceName, face.size());
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFaceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

Font CreateDescribedFont(const FontDescription& description, UINT dpi) {
    // Where no face of the list is installed, the font mapper itself picks one that has the
    // described character set.
    const auto described = ChooseFace(
        description, [](std::string_view face) { return IsFaceInstalled(Widen(face)); },
        [] { return std::optional<std::string>(); });
    const std::wstring face = described ? Widen(*described) : DefaultFace();
    return Font(CreateFontW(FontHeight(description.points, dpi), 0, 0, 0, description.weight,
                            description.italic, description.underline, description.strikeOut,
                            static_cast<DWORD>(description.charset), OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                            face.c_str()));
}

} // namespace platform::win32
