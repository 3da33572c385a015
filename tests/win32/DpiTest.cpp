// The window keeps its size in inches: the described twips become more pixels at higher
// resolutions, and the frame is added around the client area, not taken from it.
#include "platform/win32/Dpi.h"

#include <gtest/gtest.h>

namespace {

using platform::win32::ToPixels;
using platform::win32::WindowSizeForClient;

struct Scale {
    UINT dpi;
    RECT text1;
};

class ControlGeometryTest : public testing::TestWithParam<Scale> {};

TEST_P(ControlGeometryTest, FollowsTheResolution) {
    const RECT pixels = ToPixels(platform::TwipsRect{360, 720, 4335, 615}, GetParam().dpi);
    EXPECT_EQ(pixels.left, GetParam().text1.left);
    EXPECT_EQ(pixels.top, GetParam().text1.top);
    EXPECT_EQ(pixels.right, GetParam().text1.right);
    EXPECT_EQ(pixels.bottom, GetParam().text1.bottom);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, ControlGeometryTest,
                         testing::Values(Scale{96, {24, 48, 313, 89}},
                                         Scale{144, {36, 72, 470, 134}},
                                         Scale{192, {48, 96, 626, 178}}));

TEST(WindowSizeForClient, AddsACaptionAndAFrameAroundTheClientArea) {
    const SIZE client = ToPixels(platform::TwipsSize{5010, 3285}, 96);
    EXPECT_EQ(client.cx, 334);
    EXPECT_EQ(client.cy, 219);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const SIZE window = WindowSizeForClient(client, style, 0, 96);
    RECT expected{0, 0, 334, 219};
    AdjustWindowRectEx(&expected, style, FALSE, 0);
    EXPECT_EQ(window.cx, expected.right - expected.left);
    EXPECT_EQ(window.cy, expected.bottom - expected.top);
    EXPECT_GT(window.cy, client.cy);
}

} // namespace
