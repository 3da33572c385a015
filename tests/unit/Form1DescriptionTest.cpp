// The described window keeps its size in inches and its layout at any resolution.
#include "form1/Form1Description.h"

#include <gtest/gtest.h>

namespace {

using platform::TwipsToPixels;

TEST(Form1Description, ClientAreaIs334By219PixelsAt96Dpi) {
    const auto& form = form1::Form1Description();
    EXPECT_EQ(TwipsToPixels(form.clientArea.width, 96), 334);
    EXPECT_EQ(TwipsToPixels(form.clientArea.height, 96), 219);
}

TEST(Form1Description, KeepsItsSizeInInchesAtHigherResolutions) {
    const auto& form = form1::Form1Description();
    EXPECT_EQ(TwipsToPixels(form.clientArea.width, 192), 668);
    EXPECT_EQ(TwipsToPixels(form.clientArea.width, 144), 501);
    EXPECT_EQ(TwipsToPixels(form.text1.bounds.height, 120), 51); // 51.25, rounded
}

TEST(Form1Description, ControlsLieInsideTheClientArea) {
    const auto& form = form1::Form1Description();
    for (const auto& bounds : {form.text1.bounds, form.command1.bounds}) {
        EXPECT_GE(bounds.left, 0);
        EXPECT_GE(bounds.top, 0);
        EXPECT_LE(bounds.left + bounds.width, form.clientArea.width);
        EXPECT_LE(bounds.top + bounds.height, form.clientArea.height);
    }
}

TEST(Form1Description, TheButtonComesFirstInTabOrderAndIsNeitherDefaultNorCancel) {
    const auto& form = form1::Form1Description();
    EXPECT_LT(form.command1.tabIndex, form.text1.tabIndex);
    EXPECT_FALSE(form.command1.isDefault);
    EXPECT_FALSE(form.command1.isCancel);
}

TEST(Form1Description, CaptionsDifferFromTheApplicationTitle) {
    const auto& form = form1::Form1Description();
    EXPECT_EQ(form.caption, "Torvale - ip查看工具");
    EXPECT_EQ(form.applicationTitle, "Torvaleip查看工具");
    EXPECT_EQ(form.command1.caption, "获取本机ip地址");
}

} // namespace
