// The described window keeps its size in inches at any resolution.
#include "form1/Form1Description.h"

#include <gtest/gtest.h>

namespace {

using platform::TwipsToPixels;

TEST(Form1Description, ClientAreaIs334By219PixelsAt96DpiAndScalesRounded) {
    const auto& form = form1::Form1Description();
    EXPECT_EQ(TwipsToPixels(form.clientArea.width, 96), 334);
    EXPECT_EQ(TwipsToPixels(form.clientArea.height, 96), 219);
    EXPECT_EQ(TwipsToPixels(form.clientArea.width, 144), 501);
    EXPECT_EQ(TwipsToPixels(form.text1.bounds.height, 120), 51); // 51.25, rounded
}

} // namespace
