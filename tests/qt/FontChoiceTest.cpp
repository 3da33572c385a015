// The described face wins, then its look-alikes in their order, then the platform default.
#include "platform/qt/FontChoice.h"

#include "form1/Form1Description.h"

#include <QFontInfo>
#include <array>
#include <gtest/gtest.h>
#include <string_view>

namespace {

using namespace std::literals;
using platform::qt::ChooseFamily;

constexpr std::array kLookAlikes = {"First Look"sv, "Second Look"sv};
constexpr platform::FontDescription kFont{.face = "宋体", .lookAlikes = kLookAlikes};

struct ChoiceCase {
    const char* name;
    QStringList installed;
    QString chosen;
};

void PrintTo(const ChoiceCase& choice, std::ostream* out) {
    *out << choice.name;
}

class FamilyChoice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(FamilyChoice, PicksTheFirstInstalledInDescribedOrder) {
    EXPECT_EQ(ChooseFamily(kFont, GetParam().installed), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FamilyChoice,
    testing::Values(ChoiceCase{"FaceInstalled", {"Second Look", "宋体", "First Look"}, "宋体"},
                    ChoiceCase{"FaceMissing", {"Second Look", "First Look"}, "First Look"},
                    ChoiceCase{"OnlyTheLastLookAlike", {"Other", "Second Look"}, "Second Look"},
                    ChoiceCase{"NamesDifferInCase", {"second look"}, "Second Look"},
                    ChoiceCase{"NoneInstalled", {"Other"}, QString()}),
    [](const testing::TestParamInfo<ChoiceCase>& choice) { return choice.param.name; });

// These rely on the fonts that scripts/setup installs.
TEST(InstalledFonts, TheTextBoxGetsASongLookAlikeInBold) {
    const platform::FontDescription& described = form1::Form1Description().text1.font;
    const QFontInfo font(platform::qt::MakeFont(described));
    EXPECT_EQ(font.family(), "AR PL UMing CN");
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 26.25);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
}

TEST(InstalledFonts, TheButtonGetsAKaiLookAlikeInRegular) {
    const platform::FontDescription& described = form1::Form1Description().command1.font;
    const QFontInfo font(platform::qt::MakeFont(described));
    EXPECT_EQ(font.family(), "AR PL UKai CN");
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 15);
    EXPECT_FALSE(font.bold());
}

} // namespace
