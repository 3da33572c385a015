#include "form1/Form1.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>

namespace {

struct Case {
    const char* name;
    std::int16_t word;
    std::int32_t high;
    std::int32_t low;
};

void PrintTo(const Case& row, std::ostream* out) {
    *out << row.name;
}

class ByteFunctionsTest : public testing::TestWithParam<Case> {};

TEST_P(ByteFunctionsTest, SplitTheWord) {
    EXPECT_EQ(form1::Form1::hibyte(GetParam().word), GetParam().high);
    EXPECT_EQ(form1::Form1::lobyte(GetParam().word), GetParam().low);
}

INSTANTIATE_TEST_SUITE_P(
    Words, ByteFunctionsTest,
    testing::Values(Case{"Version1_1", 0x0101, 1, 1}, Case{"Version2_0", 0x0002, 0, 2},
                    Case{"Version0_2", 0x0200, 2, 0}, Case{"Zero", 0, 0, 0},
                    Case{"MinusOne", -1, 0, 255}, Case{"Largest", 0x7fff, 127, 255},
                    // -32511 is 0x8101: the quotient is truncated toward zero before the mask.
                    Case{"NegativeQuotientTruncatesTowardZero", -32511, 130, 1},
                    Case{"Smallest", -32768, 128, 0}),
    [](const testing::TestParamInfo<Case>& row) { return row.param.name; });

} // namespace
