// The described window keeps its size in inches at any resolution, and its fonts their look.
#include "form1/Form1Description.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

using platform::TwipsToPixels;

TEST(Form1Description, ClientAreaIs334By219PixelsAt96DpiAndScalesRounded) {
    const auto& form = form1::Form1Description();
    EXPECT_EQ(TwipsToPixels(form.clientArea.width, 96), 334);
    EXPECT_EQ(TwipsToPixels(form.clientArea.height, 96), 219);
    EXPECT_EQ(TwipsToPixels(form.clientArea.width, 144), 501);
    EXPECT_EQ(TwipsToPixels(form.text1.bounds.height, 120), 51); // 51.25, rounded
}

TEST(Form1Description, FontsFallBackThroughTheirLookAlikesInOrderThenToAFaceThatCoversTheText) {
    const auto& font = form1::Form1Description().command1.font;
    const auto installedAre = [](std::vector<std::string_view> installed) {
        return [installed](std::string_view face) {
            return std::ranges::find(installed, face) != installed.end();
        };
    };
    int searches = 0;
    const auto covering = [&](std::optional<std::string> face) {
        return [&searches, face] {
            ++searches;
            return face;
        };
    };
    EXPECT_EQ(platform::ChooseFace(font, installedAre({"AR PL UKai CN", "楷体_GB2312"}),
                                   covering("WenQuanYi Zen Hei")),
              "楷体_GB2312");
    EXPECT_EQ(platform::ChooseFace(font, installedAre({"AR PL UKai CN", "KaiTi"}),
                                   covering("WenQuanYi Zen Hei")),
              "KaiTi");
    EXPECT_EQ(searches, 0);
    EXPECT_EQ(
        platform::ChooseFace(font, installedAre({"DejaVu Sans"}), covering("WenQuanYi Zen Hei")),
        "WenQuanYi Zen Hei");
    EXPECT_EQ(platform::ChooseFace(font, installedAre({"DejaVu Sans"}), covering(std::nullopt)),
              std::nullopt);
}

} // namespace
