// A system with none of the faces the window names still shows its text in a face that has the
// characters, not in the default face.
#include "form1/Form1Description.h"
#include "platform/qt/FontChoice.h"
#include "platform/qt/Utf8.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

bool WritesSimplifiedChinese(const QFont& font) {
    return QFontDatabase::writingSystems(QFontInfo(font).family())
        .contains(QFontDatabase::SimplifiedChinese);
}

TEST(FontFallback, WithoutTheNamedFacesTheBoxAndButtonGetAFaceThatWritesTheirChinese) {
    // Read when fontconfig starts, which the application object does.
    ASSERT_EQ(setenv("FONTCONFIG_FILE", FONT_SETUP_WITHOUT_DESCRIBED_FACES, 1), 0);
    int argc = 1;
    char name[] = "qt_font_fallback_tests";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    ASSERT_FALSE(QFontDatabase::families().contains("AR PL UKai CN"));
    ASSERT_FALSE(WritesSimplifiedChinese(QFont()));

    const platform::FormDescription& form = form1::Form1Description();
    const QFont text1 =
        platform::qt::MakeFont(form.text1.font, platform::qt::FromUtf8(form.text1.text));
    const QFont command1 =
        platform::qt::MakeFont(form.command1.font, platform::qt::FromUtf8(form.command1.caption));
    EXPECT_TRUE(WritesSimplifiedChinese(text1)) << QFontInfo(text1).family().toStdString();
    EXPECT_TRUE(WritesSimplifiedChinese(command1)) << QFontInfo(command1).family().toStdString();
    EXPECT_TRUE(QFontInfo(text1).bold());
}

} // namespace
