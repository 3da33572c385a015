// Coloured text keeps a background it can be read on, whatever the theme's colours.
#include "platform/ReadableBackground.h"

#include <gtest/gtest.h>

namespace {

using platform::ContrastRatio;
using platform::ReadableBackground;
using platform::Rgb;

constexpr Rgb kRed{.red = 255};

Rgb Grey(int level) {
    const auto channel = static_cast<std::uint8_t>(level);
    return {.red = channel, .green = channel, .blue = channel};
}

TEST(ReadableBackground, ContrastIsTheRatioOfTheLighterLuminanceToTheDarker) {
    EXPECT_DOUBLE_EQ(ContrastRatio(platform::kBlack, platform::kWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kRed, kRed), 1.0);
    EXPECT_NEAR(ContrastRatio(kRed, platform::kWhite), 4.0, 0.01);
    EXPECT_NEAR(ContrastRatio(Grey(0x3d), kRed), 2.7, 0.05); // a dark theme's text box
}

TEST(ReadableBackground, TheThemesBackgroundStaysWhereTheTextReadsOnIt) {
    for (const Rgb themed : {platform::kWhite, platform::kBlack, Grey(0xf0), Rgb{255, 255, 224}}) {
        EXPECT_EQ(ReadableBackground(kRed, themed), themed);
    }
}

TEST(ReadableBackground, RedTextReadsAtThreeToOneOnEveryGreyTheme) {
    for (int level = 0; level <= 255; ++level) {
        SCOPED_TRACE(level);
        EXPECT_GE(ContrastRatio(kRed, ReadableBackground(kRed, Grey(level))),
                  platform::kLargeTextContrast);
    }
}

} // namespace
