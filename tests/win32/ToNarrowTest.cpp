// Names reach the resolver only when the ANSI code page holds them exactly: no best-fit
// look-alikes, nothing replaced by a default character.
#include "platform/win32/WinSockets.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

struct Conversion {
    const char* what;
    std::string utf8;
    std::optional<std::string> narrow;
};

void PrintTo(const Conversion& conversion, std::ostream* out) {
    *out << conversion.what;
}

class ToNarrow : public testing::TestWithParam<Conversion> {};

TEST_P(ToNarrow, KeepsWhatCodePage1252HoldsAndRefusesTheRest) {
    ASSERT_EQ(GetACP(), 1252u);
    EXPECT_EQ(platform::win32::WinSockets().ToNarrow(GetParam().utf8), GetParam().narrow);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ToNarrow,
    testing::Values(Conversion{"Empty", "", ""}, Conversion{"Ascii", "localhost", "localhost"},
                    Conversion{"LatinInTheCodePage", "caf\xC3\xA9", "caf\xE9"},
                    Conversion{"Chinese", "主机", std::nullopt},
                    Conversion{"Greek", "\xCE\xA9", std::nullopt},
                    // Best fit would turn these into "localhost" and "a".
                    Conversion{"FullWidthLookAlike", "ｌｏｃａｌｈｏｓｔ", std::nullopt},
                    Conversion{"AccentedLookAlike", "\xC4\x81", std::nullopt}));

} // namespace
