// The background a coloured text is drawn on, so that it stays readable under any colour theme.
#pragma once

#include "platform/FormDescription.h"

#include <cmath>

namespace platform {

// The least contrast at which large text (18 points, or 14 points bold) counts as readable.
inline constexpr double kLargeTextContrast = 3.0;

inline constexpr Rgb kWhite{.red = 255, .green = 255, .blue = 255};
inline constexpr Rgb kBlack{};

// The perceived brightness of an sRGB colour, from 0 (black) to 1 (white).
inline double RelativeLuminance(Rgb colour) {
    const auto linear = [](std::uint8_t channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

// From 1 (the same brightness) to 21 (black and white), whichever of the two is lighter.
inline double ContrastRatio(Rgb first, Rgb second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::fmax(a, b) + 0.05) / (std::fmin(a, b) + 0.05);
}

// The theme's background where `text` reads on it, else white or black, whichever reads better:
// a theme of middling brightness leaves too little contrast for a strong colour.
inline Rgb ReadableBackground(Rgb text, Rgb themed) {
    if (ContrastRatio(text, themed) >= kLargeTextContrast) {
        return themed;
    }
    return ContrastRatio(text, kWhite) >= ContrastRatio(text, kBlack) ? kWhite : kBlack;
}

} // namespace platform
