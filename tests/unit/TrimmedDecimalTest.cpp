#include "form1/TrimmedDecimal.h"

#include <clocale>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace {

struct Case {
    std::int64_t number;
    const char* text;
};

void PrintTo(const Case& row, std::ostream* out) {
    *out << row.text;
}

class TrimmedDecimalTest : public testing::TestWithParam<Case> {};

TEST_P(TrimmedDecimalTest, HasNoBlankNoLeadingZeroAndNoSeparator) {
    EXPECT_EQ(form1::TrimmedDecimal(GetParam().number), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, TrimmedDecimalTest,
    testing::Values(Case{0, "0"}, Case{1, "1"}, Case{-1, "-1"}, Case{10, "10"}, Case{255, "255"},
                    Case{65535, "65535"}, Case{1234567, "1234567"},
                    Case{std::numeric_limits<std::int32_t>::min(), "-2147483648"},
                    Case{std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"}),
    [](const testing::TestParamInfo<Case>& row) {
        const std::string text = row.param.text;
        return text.front() == '-' ? "Minus" + text.substr(1) : text;
    });

TEST(TrimmedDecimalLocale, IgnoresTheUsersGroupingSeparators) {
    const char* const locales[] = {"de_DE.UTF-8", "en_US.UTF-8", "C.UTF-8"};
    for (const char* locale : locales) {
        if (std::setlocale(LC_ALL, locale) != nullptr) {
            EXPECT_EQ(form1::TrimmedDecimal(1234567), "1234567") << locale;
        }
    }
    std::setlocale(LC_ALL, "C");
}

} // namespace
