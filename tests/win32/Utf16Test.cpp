// Text crosses between the program's UTF-8 and Windows' UTF-16 unchanged.
#include "platform/win32/Utf16.h"

#include <gtest/gtest.h>

namespace {

using platform::win32::Narrow;
using platform::win32::Widen;

struct Text {
    const char* what;
    std::string utf8;
    std::wstring utf16;
};

class Utf16Test : public testing::TestWithParam<Text> {};

TEST_P(Utf16Test, WidensAndNarrowsBackUnchanged) {
    EXPECT_EQ(Widen(GetParam().utf8), GetParam().utf16);
    EXPECT_EQ(Narrow(GetParam().utf16), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf16Test,
    testing::Values(Text{"Empty", "", L""}, Text{"Ascii", "localhost", L"localhost"},
                    Text{"Caption", "Torvale - ip查看工具", L"Torvale - ip查看工具"},
                    Text{"OutsideTheBasicPlane", "\xF0\x9F\x94\xA7", L"\U0001F527"},
                    Text{"EmbeddedNewLine", "a\r\nb", L"a\r\nb"}),
    [](const testing::TestParamInfo<Text>& testCase) { return std::string(testCase.param.what); });

} // namespace
