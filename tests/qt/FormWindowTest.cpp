// The window as a person meets it: its caption, size, place and fonts, its focus and keys.
#include "platform/qt/FormWindow.h"

#include "RecordingEvents.h"
#include "form1/Form1Description.h"
#include "platform/ReadableBackground.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

class FormWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* Child(const char* name) { return window.findChild<QWidget*>(name); }

    RecordingEvents events;
    platform::qt::FormWindow window{form1::Form1Description(), events};
};

TEST_F(FormWindowTest, IsCaptioned334By219At96DpiFixedInSizeCentredAndInItsFonts) {
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Torvale - ip查看工具"));
    ASSERT_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96);
    EXPECT_EQ(window.size(), QSize(334, 219));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((window.geometry().center() - screenCentre).manhattanLength(), 1);
    // A bold Song look-alike in the text box, a regular Kai on the button, from scripts/setup.
    const QFontInfo text1(Child("Text1")->font());
    EXPECT_EQ(text1.family(), "AR PL UMing CN");
    EXPECT_DOUBLE_EQ(text1.pointSizeF(), 26.25);
    EXPECT_TRUE(text1.bold());
    const QFontInfo command1(Child("Command1")->font());
    EXPECT_EQ(command1.family(), "AR PL UKai CN");
    EXPECT_FALSE(command1.bold());
}

TEST_F(FormWindowTest, FocusStartsOnTheButtonWhereSpaceAndReturnEachClickOnce) {
    EXPECT_EQ(QApplication::focusWidget(), Child("Command1"));
    QTest::keyClick(Child("Command1"), Qt::Key_Space);
    EXPECT_EQ(events.clicks, 1);
    QTest::keyClick(Child("Command1"), Qt::Key_Return);
    EXPECT_EQ(events.clicks, 2);
}

TEST_F(FormWindowTest, EnterAndEscapeInTheTextBoxNeitherClickNorClose) {
    Child("Text1")->setFocus();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(Child("Text1"), key);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(events.clicks, 0);
    EXPECT_EQ(events.unloads, 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.text1Text(), "\n\n");
}

TEST_F(FormWindowTest, ScreenReadersMeetAWindowAndABoxNamedForTheHostNameAndItsAddress) {
    QAccessibleInterface* const frame = QAccessible::queryAccessibleInterface(&window);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), window.windowTitle());
    QAccessibleInterface* const box = QAccessible::queryAccessibleInterface(Child("Text1"));
    EXPECT_EQ(box->role(), QAccessible::EditableText);
    EXPECT_EQ(box->text(QAccessible::Name), QString::fromUtf8("主机名（获取后显示其IP地址）"));
}

TEST_F(FormWindowTest, TypingPastTheBoxKeepsTheCaretInView) {
    auto* const box = window.findChild<QPlainTextEdit*>("Text1");
    box->setFocus();
    QTest::keyClicks(box, "a-rather-long-host-name.in.a.long-domain.example");
    ASSERT_GT(box->textCursor().block().layout()->lineCount(), 1) << "the name wraps";
    // Lines are a little taller than the box: most of the caret is what a person sees.
    EXPECT_TRUE(box->viewport()->rect().contains(box->cursorRect().center()))
        << "caret at " << box->cursorRect().y() << ", view " << box->viewport()->height()
        << " high";
}

// The box keeps its red text readable on a theme whose text boxes are mid-grey.
TEST(FormWindowUnderADarkTheme, DrawsTheRedTextOnABackgroundItReadsOnAtThreeToOne) {
    const QPalette theme = QApplication::palette();
    QPalette dark = theme;
    dark.setColor(QPalette::Base, QColor(0x3d, 0x3d, 0x3d));
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    RecordingEvents events;
    platform::qt::FormWindow window{form1::Form1Description(), events};
    QWidget* const box = window.findChild<QWidget*>("Text1");
    const QColor background = box->grab().toImage().pixelColor(box->rect().center());
    QApplication::setPalette(theme);

    const auto rgb = [](const QColor& colour) {
        return platform::Rgb{static_cast<std::uint8_t>(colour.red()),
                             static_cast<std::uint8_t>(colour.green()),
                             static_cast<std::uint8_t>(colour.blue())};
    };
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_GE(platform::ContrastRatio(rgb(Qt::red), rgb(background)), platform::kLargeTextContrast)
        << background.name().toStdString();
}

} // namespace
