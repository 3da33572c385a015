// Host names are converted to the locale's narrow character set exactly, or not at all.
#include "platform/posix/PosixSockets.h"
#include "posix/ScopedLocale.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using platform::posix::PosixSockets;
using posix_tests::ScopedLocale;

struct NarrowCase {
    const char* name;
    std::string utf8;
    std::optional<std::string> narrow;
};

void ExpectConversions(const char* locale, const std::vector<NarrowCase>& cases) {
    const ScopedLocale scoped(locale);
    if (!scoped.Active()) {
        GTEST_SKIP() << "locale " << locale << " is not available here";
    }
    const PosixSockets sockets;
    for (const NarrowCase& row : cases) {
        EXPECT_EQ(sockets.ToNarrow(row.utf8), row.narrow) << row.name;
    }
}

TEST(ToNarrow, InUtf8LocaleKeepsValidTextAndRejectsInvalid) {
    ExpectConversions("C.UTF-8",
                      {
                          {"empty", "", ""},
                          {"ascii", "example.com", "example.com"},
                          {"chinese", "\xE4\xB8\xAD\xE6\x96\x87.cn", "\xE4\xB8\xAD\xE6\x96\x87.cn"},
                          {"embedded NUL kept", std::string("a\0b", 3), std::string("a\0b", 3)},
                          {"stray continuation byte",
                           "a\x80"
                           "b",
                           std::nullopt},
                          {"truncated sequence at end", "a\xE4\xB8", std::nullopt},
                          {"overlong slash", "\xC0\xAF", std::nullopt},
                          {"encoded surrogate", "\xED\xA0\x80", std::nullopt},
                          {"byte FF", "\xFF", std::nullopt},
                      });
}

TEST(ToNarrow, InAsciiLocaleRejectsEveryNonAsciiCharacter) {
    ExpectConversions("C", {
                               {"ascii", "host-1.example", "host-1.example"},
                               {"latin small u umlaut",
                                "b\xC3\xBC"
                                "cher",
                                std::nullopt},
                               {"chinese", "\xE4\xB8\xAD", std::nullopt},
                               {"no transliteration of e acute", "caf\xC3\xA9", std::nullopt},
                           });
}

TEST(ToNarrow, InGb2312LocaleEncodesChineseAndRejectsWhatGb2312Lacks) {
    ExpectConversions("zh_CN.GB2312",
                      {
                          {"ascii", "example.com", "example.com"},
                          {"zhong wen", "\xE4\xB8\xAD\xE6\x96\x87", "\xD6\xD0\xCE\xC4"},
                          {"mixed", "a\xE4\xB8\xAD.cn", "a\xD6\xD0.cn"},
                          {"korean hangul", "\xED\x95\x9C", std::nullopt},
                          {"emoji", "\xF0\x9F\x98\x80", std::nullopt},
                          {"traditional-only character", "\xE9\xBE\x9C", std::nullopt},
                          {"invalid utf-8", "\xFF", std::nullopt},
                      });
}

TEST(ToNarrow, ConvertsLongTextWhole) {
    const ScopedLocale scoped("zh_CN.GB2312");
    if (!scoped.Active()) {
        GTEST_SKIP() << "locale zh_CN.GB2312 is not available here";
    }
    std::string utf8;
    std::string gb2312;
    for (int i = 0; i < 10000; ++i) {
        utf8 += "\xE4\xB8\xAD";
        gb2312 += "\xD6\xD0";
    }
    EXPECT_EQ(PosixSockets().ToNarrow(utf8), gb2312);
}

} // namespace
