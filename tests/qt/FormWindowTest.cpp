// The window as a person meets it: its size and place, its focus and keys, its text box.
#include "platform/qt/FormWindow.h"

#include "RecordingEvents.h"
#include "form1/Form1Description.h"
#include "platform/qt/Controls.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

using platform::TwipsToPixels;

const platform::FormDescription& Described() {
    return form1::Form1Description();
}

double Dpi() {
    return QGuiApplication::primaryScreen()->logicalDotsPerInch();
}

// The horizontal middle of the pure red pixels a widget draws; -1 when it draws none.
double RedInkMiddle(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() > 200 && colour.green() < 60 && colour.blue() < 60) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return right < 0 ? -1 : (left + right) / 2.0;
}

class FormWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QPlainTextEdit* text1() { return window.findChild<QPlainTextEdit*>("Text1"); }
    QPushButton* command1() { return window.findChild<QPushButton*>("Command1"); }

    RecordingEvents events;
    platform::qt::FormWindow window{Described(), events};
};

TEST_F(FormWindowTest, HasTheDescribedCaptionSizeAndLayoutAtTheScreensResolution) {
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Torvale - ip查看工具"));
    EXPECT_EQ(window.size(), QSize(TwipsToPixels(Described().clientArea.width, Dpi()),
                                   TwipsToPixels(Described().clientArea.height, Dpi())));
    if (Dpi() == 96) {
        EXPECT_EQ(window.size(), QSize(334, 219));
    }
    EXPECT_EQ(text1()->geometry(), platform::qt::ToPixels(Described().text1.bounds, Dpi()));
    EXPECT_EQ(command1()->geometry(), platform::qt::ToPixels(Described().command1.bounds, Dpi()));
}

TEST_F(FormWindowTest, IsFixedInSizeWithOnlyACloseButtonAndCentredOnTheScreen) {
    EXPECT_EQ(window.minimumSize(), window.size());
    EXPECT_EQ(window.maximumSize(), window.size());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((window.geometry().center() - screenCentre).manhattanLength(), 1);
}

TEST_F(FormWindowTest, FocusStartsOnTheButtonAndTabGoesToTheTextBoxAndBack) {
    EXPECT_EQ(QApplication::focusWidget(), command1());
    QTest::keyClick(command1(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), text1());
    QTest::keyClick(text1(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), command1());
    EXPECT_TRUE(window.text1Text().isEmpty()) << "Tab was typed into the box";
}

TEST_F(FormWindowTest, SpaceOnTheButtonClicksItOnce) {
    QTest::keyClick(command1(), Qt::Key_Space);
    EXPECT_EQ(events.clicks, 1);
}

struct KeyCase {
    const char* name;
    const char* control;
    Qt::Key key;
    const char* textAfter;
};

void PrintTo(const KeyCase& keyCase, std::ostream* out) {
    *out << keyCase.name;
}

class KeysThatNeitherClickNorClose : public FormWindowTest,
                                     public testing::WithParamInterface<KeyCase> {};

TEST_P(KeysThatNeitherClickNorClose, OnlyEditTheText) {
    auto* control = window.findChild<QWidget*>(GetParam().control);
    control->setFocus();
    QTest::keyClick(control, GetParam().key);
    QCoreApplication::processEvents();
    EXPECT_EQ(events.clicks, 0);
    EXPECT_EQ(events.unloads, 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.text1Text(), GetParam().textAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeysThatNeitherClickNorClose,
    testing::Values(KeyCase{"ReturnInTheTextBoxStartsALine", "Text1", Qt::Key_Return, "\n"},
                    KeyCase{"EnterInTheTextBoxStartsALine", "Text1", Qt::Key_Enter, "\n"},
                    KeyCase{"EscapeInTheTextBox", "Text1", Qt::Key_Escape, ""},
                    KeyCase{"EscapeOnTheButton", "Command1", Qt::Key_Escape, ""}),
    [](const testing::TestParamInfo<KeyCase>& keyCase) { return keyCase.param.name; });

struct EntryCase {
    const char* name;
    std::function<void(platform::qt::FormWindow&, QPlainTextEdit*)> enter;
    QString shown;
};

void PrintTo(const EntryCase& entry, std::ostream* out) {
    *out << entry.name;
}

class TextEntry : public FormWindowTest, public testing::WithParamInterface<EntryCase> {};

TEST_P(TextEntry, ShowsPlainTextCentredInRed) {
    text1()->setFocus();
    GetParam().enter(window, text1());
    QCoreApplication::processEvents();
    EXPECT_EQ(window.text1Text(), GetParam().shown);
    EXPECT_NEAR(RedInkMiddle(text1()->viewport()), text1()->viewport()->width() / 2.0, 3.0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextEntry,
    testing::Values(
        EntryCase{"Set", [](auto& window, auto*) { window.setText1Text("1.2.3.4"); }, "1.2.3.4"},
        EntryCase{"SetInChinese",
                  [](auto& window, auto*) { window.setText1Text(QString::fromUtf8("本机")); },
                  QString::fromUtf8("本机")},
        EntryCase{"Typed", [](auto&, auto* box) { QTest::keyClicks(box, "abc"); }, "abc"},
        EntryCase{"PastedFromRichText",
                  [](auto&, auto* box) {
                      auto* rich = new QMimeData;
                      rich->setHtml("<p align=left style='color:blue'><b>ab</b></p>");
                      rich->setText("ab");
                      QGuiApplication::clipboard()->setMimeData(rich);
                      box->paste();
                  },
                  "ab"}),
    [](const testing::TestParamInfo<EntryCase>& entry) { return entry.param.name; });

} // namespace
