// Fonts keep their size in points at every resolution, and a face that is not installed gives
// way to its look-alikes and then to the platform default.
#include "platform/win32/Fonts.h"

#include <array>
#include <gtest/gtest.h>
#include <set>

namespace {

using namespace std::literals;
using platform::win32::ChooseFace;
using platform::win32::FontHeight;

struct Size {
    double points;
    UINT dpi;
    int height;
};

class FontHeightTest : public testing::TestWithParam<Size> {};

TEST_P(FontHeightTest, IsTheCharacterHeightInPixelsRounded) {
    EXPECT_EQ(FontHeight(GetParam().points, GetParam().dpi), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FontHeightTest,
                         testing::Values(Size{26.25, 96, -35}, Size{15, 96, -20},
                                         Size{26.25, 120, -44}, Size{15, 144, -30},
                                         Size{26.25, 192, -70}));

constexpr std::array kLookAlikes = {"Second"sv, "Third"sv};
const platform::FontDescription kFont{.face = "宋体", .lookAlikes = kLookAlikes, .points = 15};

std::wstring ChooseAmong(const std::set<std::wstring>& installed) {
    return ChooseFace(kFont, [&](const std::wstring& face) { return installed.contains(face); });
}

TEST(ChooseFace, TakesTheDescribedFaceWhenInstalled) {
    EXPECT_EQ(ChooseAmong({L"宋体", L"Second"}), L"宋体");
}

TEST(ChooseFace, TakesTheFirstInstalledLookAlikeOtherwise) {
    EXPECT_EQ(ChooseAmong({L"Third", L"Second"}), L"Second");
    EXPECT_EQ(ChooseAmong({L"Third"}), L"Third");
}

TEST(ChooseFace, LeavesTheChoiceToThePlatformWhenNoneIsInstalled) {
    EXPECT_EQ(ChooseAmong({}), L"");
}

TEST(IsFaceInstalled, FindsAnInstalledFaceAndNotAnInventedOne) {
    EXPECT_TRUE(platform::win32::IsFaceInstalled(L"AR PL UMing CN")); // scripts/setup installs it
    EXPECT_FALSE(platform::win32::IsFaceInstalled(L"No Such Face 4711"));
}

} // namespace
