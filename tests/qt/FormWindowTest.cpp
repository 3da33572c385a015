// The window as a person meets it: its size and place, its focus and keys, its text box.
#include "platform/qt/FormWindow.h"

#include "RecordingEvents.h"
#include "form1/Form1Description.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using platform::TwipsToPixels;
using platform::qt::FormWindow;

const platform::FormDescription& Described() {
    return form1::Form1Description();
}

double ScreenDpi() {
    return QGuiApplication::primaryScreen()->logicalDotsPerInch();
}

QRect Pixels(const platform::TwipsRect& twips) {
    return {TwipsToPixels(twips.left, ScreenDpi()), TwipsToPixels(twips.top, ScreenDpi()),
            TwipsToPixels(twips.width, ScreenDpi()), TwipsToPixels(twips.height, ScreenDpi())};
}

// Where the pure red pixels of a widget lie across it.
struct RedInk {
    int pixels = 0;
    int left = 0;
    int right = 0;

    double centre() const { return (left + right) / 2.0; }
};

RedInk RedInkOf(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    RedInk ink{.left = image.width(), .right = -1};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() > 200 && colour.green() < 60 && colour.blue() < 60) {
                ++ink.pixels;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
        }
    }
    return ink;
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

    void ExpectTextCentredInRed() {
        QCoreApplication::processEvents();
        const RedInk ink = RedInkOf(text1()->viewport());
        ASSERT_GT(ink.pixels, 0) << "no red text drawn";
        EXPECT_NEAR(ink.centre(), text1()->viewport()->width() / 2.0, 3.0);
    }

    RecordingEvents events;
    FormWindow window{Described(), events};
};

TEST_F(FormWindowTest, ClientAreaKeepsItsSizeInInchesAtTheScreensResolution) {
    EXPECT_EQ(window.size(), QSize(TwipsToPixels(Described().clientArea.width, ScreenDpi()),
                                   TwipsToPixels(Described().clientArea.height, ScreenDpi())));
    EXPECT_EQ(text1()->geometry(), Pixels(Described().text1.bounds));
    EXPECT_EQ(command1()->geometry(), Pixels(Described().command1.bounds));
}

TEST_F(FormWindowTest, ClientAreaIs334By219PixelsAt96Dpi) {
    if (ScreenDpi() != 96) {
        GTEST_SKIP() << "the screen has " << ScreenDpi() << " dpi";
    }
    EXPECT_EQ(window.size(), QSize(334, 219));
}

TEST_F(FormWindowTest, CannotBeResizedMaximisedOrMinimised) {
    EXPECT_EQ(window.minimumSize(), window.size());
    EXPECT_EQ(window.maximumSize(), window.size());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(FormWindowTest, ShowsTheCaptionAndTheButtonCaption) {
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Torvale - ip查看工具"));
    EXPECT_EQ(command1()->text(), QString::fromUtf8("获取本机ip地址"));
}

TEST_F(FormWindowTest, OpensWithItsClientAreaCentredOnTheScreen) {
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    const QPoint clientCentre = window.geometry().center();
    EXPECT_LE((clientCentre - screenCentre).manhattanLength(), 1);
}

TEST_F(FormWindowTest, TheButtonHasTheFocusWhenTheWindowOpens) {
    EXPECT_EQ(QApplication::focusWidget(), command1());
}

TEST_F(FormWindowTest, TabGoesFromTheButtonToTheTextBoxAndBack) {
    QTest::keyClick(command1(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), text1());
    QTest::keyClick(text1(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), command1());
    EXPECT_TRUE(text1()->toPlainText().isEmpty()) << "Tab was typed into the box";
}

TEST_F(FormWindowTest, SpaceOnTheButtonClicksItOnce) {
    QTest::keyClick(command1(), Qt::Key_Space);
    EXPECT_EQ(events.clicks, 1);
}

TEST_F(FormWindowTest, AMouseClickOnTheButtonClicksItOnce) {
    QTest::mouseClick(command1(), Qt::LeftButton);
    EXPECT_EQ(events.clicks, 1);
}

struct KeyCase {
    const char* name;
    const char* control;
    Qt::Key key;
};

void PrintTo(const KeyCase& keyCase, std::ostream* out) {
    *out << keyCase.name;
}

class KeysThatDoNothingTest : public FormWindowTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeysThatDoNothingTest, NeitherClickTheButtonNorCloseTheWindow) {
    auto* control = window.findChild<QWidget*>(GetParam().control);
    control->setFocus();
    QTest::keyClick(control, GetParam().key);
    QCoreApplication::processEvents();
    EXPECT_EQ(events.clicks, 0);
    EXPECT_EQ(events.unloads, 0);
    EXPECT_TRUE(window.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keys, KeysThatDoNothingTest,
                         testing::Values(KeyCase{"ReturnInTheTextBox", "Text1", Qt::Key_Return},
                                         KeyCase{"EnterInTheTextBox", "Text1", Qt::Key_Enter},
                                         KeyCase{"EscapeInTheTextBox", "Text1", Qt::Key_Escape},
                                         KeyCase{"EscapeOnTheButton", "Command1", Qt::Key_Escape}),
                         [](const testing::TestParamInfo<KeyCase>& keyCase) {
                             return keyCase.param.name;
                         });

TEST_F(FormWindowTest, EnterInTheTextBoxStartsANewLine) {
    text1()->setFocus();
    QTest::keyClicks(text1(), "a");
    QTest::keyClick(text1(), Qt::Key_Return);
    QTest::keyClicks(text1(), "b");
    EXPECT_EQ(window.text1Text(), "a\nb");
}

TEST_F(FormWindowTest, TextSetAsAWholeReadsBackUnchanged) {
    for (const QString& text : {QString(), QString::fromUtf8("主机名"), QString("10.0.0.1"),
                                QString("two\nlines"), QString("  blanks  ")}) {
        window.setText1Text(text);
        EXPECT_EQ(window.text1Text(), text);
    }
}

TEST_F(FormWindowTest, SetTextIsCentredInRed) {
    window.setText1Text("1.2.3.4");
    ExpectTextCentredInRed();
    window.setText1Text(QString::fromUtf8("本机"));
    ExpectTextCentredInRed();
}

TEST_F(FormWindowTest, TypedTextIsCentredInRed) {
    text1()->setFocus();
    QTest::keyClicks(text1(), "abc");
    ExpectTextCentredInRed();
}

TEST_F(FormWindowTest, PastedRichTextArrivesAsPlainTextCentredInRed) {
    auto* rich = new QMimeData;
    rich->setHtml("<p align=left style='color:blue'><b>ab</b></p>");
    rich->setText("ab");
    QGuiApplication::clipboard()->setMimeData(rich);
    text1()->setFocus();
    text1()->paste();
    EXPECT_EQ(window.text1Text(), "ab");
    ExpectTextCentredInRed();
}

} // namespace
