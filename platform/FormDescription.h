// The vocabulary in which a window is described to a runtime: geometry in twips, fonts, captions.
// All text is UTF-8; a runtime converts it to what its toolkit wants.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {

inline constexpr int kTwipsPerInch = 1440;

// Converts a length in twips to pixels at the given dots per inch, rounded to the nearest pixel.
constexpr int TwipsToPixels(int twips, double dotsPerInch) {
    const double pixels = twips * dotsPerInch / kTwipsPerInch;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr PixelRect TwipsToPixels(const TwipsRect& twips, double dotsPerInch) {
    return {TwipsToPixels(twips.left, dotsPerInch), TwipsToPixels(twips.top, dotsPerInch),
            TwipsToPixels(twips.width, dotsPerInch), TwipsToPixels(twips.height, dotsPerInch)};
}

struct TwipsSize {
    int width = 0;
    int height = 0;
};

struct FontDescription {
    std::string_view face;
    // Faces to try, in order, when `face` is not installed.
    std::span<const std::string_view> lookAlikes;
    double points = 0;
    int weight = 400; // 400 regular, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0; // Windows character set number, e.g. 134 for GB2312
};

// The described face if it is installed, else its first installed look-alike, else the face that
// `coveringFace` finds for the characters the font is to show; nothing when it finds none either,
// and the platform's default face serves. `coveringFace` is asked only when it is needed, since
// the search is slow.
template <typename IsInstalled, typename CoveringFace>
std::optional<std::string> ChooseFace(const FontDescription& font, IsInstalled isInstalled,
                                      CoveringFace coveringFace) {
    if (isInstalled(font.face)) {
        return std::string(font.face);
    }
    for (const std::string_view lookAlike : font.lookAlikes) {
        if (isInstalled(lookAlike)) {
            return std::string(lookAlike);
        }
    }
    return coveringFace();
}

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

enum class HorizontalAlignment { Left, Center, Right };

struct TextBoxDescription {
    TwipsRect bounds;
    FontDescription font;
    std::string_view text;
    // What a screen reader announces for the box, which has no visible label.
    std::string_view accessibleName;
    int tabIndex = 0;
    Rgb foreground;
    HorizontalAlignment alignment = HorizontalAlignment::Left;
    bool multiLine = false;
};

struct ButtonDescription {
    TwipsRect bounds;
    FontDescription font;
    std::string_view caption;
    int tabIndex = 0;
    bool isDefault = false; // clicked by Enter anywhere in the window
    bool isCancel = false;  // clicked by Escape anywhere in the window
};

enum class BorderStyle { FixedSingle };
enum class StartPosition { CenterScreen };

struct FormDescription {
    std::string_view caption;
    // Caption of every message box the program shows.
    std::string_view applicationTitle;
    BorderStyle border = BorderStyle::FixedSingle;
    TwipsSize clientArea;
    StartPosition startPosition = StartPosition::CenterScreen;
    bool minimizeBox = false;
    bool maximizeBox = false;
    TextBoxDescription text1;
    ButtonDescription command1;
};

} // namespace platform
