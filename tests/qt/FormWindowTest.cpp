// The window as a person meets it: its caption, size, place and fonts, its focus and keys.
#include "platform/qt/FormWindow.h"

#include "RecordingEvents.h"
#include "form1/Form1Description.h"

#include <QApplication>
#include <QFontInfo>
#include <QScreen>
#include <QTest>
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

TEST_F(FormWindowTest, FocusStartsOnTheButtonWhereSpaceClicksOnce) {
    EXPECT_EQ(QApplication::focusWidget(), Child("Command1"));
    QTest::keyClick(Child("Command1"), Qt::Key_Space);
    EXPECT_EQ(events.clicks, 1);
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

} // namespace
