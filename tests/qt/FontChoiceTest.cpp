// The described face wins, then its look-alikes in their order, then the platform default.
#include "platform/qt/FontChoice.h"

#include "form1/Form1Description.h"

#include <QFontInfo>
#include <array>
#include <gtest/gtest.h>
#include <string_view>

namespace {

using namespace std::literals;

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
    EXPECT_EQ(platform::qt::ChooseFamily(kFont, GetParam().installed), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FamilyChoice,
    testing::Values(ChoiceCase{"FaceInstalled", {"Second Look", "宋体", "First Look"}, "宋体"},
                    ChoiceCase{"FaceMissing", {"Second Look", "First Look"}, "First Look"},
                    ChoiceCase{"NamesDifferInCase", {"second look"}, "Second Look"},
                    ChoiceCase{"NoneInstalled", {"Other"}, QString()}),
    [](const testing::TestParamInfo<ChoiceCase>& choice) { return choice.param.name; });

// Relies on the fonts that scripts/setup installs.
TEST(InstalledFonts, TheTextBoxGetsABoldSongLookAlikeAndTheButtonARegularKai) {
    const QFontInfo text1(platform::qt::MakeFont(form1::Form1Description().text1.font));
    EXPECT_EQ(text1.family(), "AR PL UMing CN");
    EXPECT_DOUBLE_EQ(text1.pointSizeF(), 26.25);
    EXPECT_TRUE(text1.bold());
    const QFontInfo command1(platform::qt::MakeFont(form1::Form1Description().command1.font));
    EXPECT_EQ(command1.family(), "AR PL UKai CN");
    EXPECT_DOUBLE_EQ(command1.pointSizeF(), 15);
    EXPECT_FALSE(command1.bold());
}

} // namespace
