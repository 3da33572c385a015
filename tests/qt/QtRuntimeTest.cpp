// A run of the window from load to close, its messages, and ending the program at once.
#include "RecordingEvents.h"
#include "form1/Form1Description.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

platform::qt::FormWindow* OurWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<platform::qt::FormWindow*>(widget)) {
            return window;
        }
    }
    return nullptr;
}

void CloseSoon() {
    QTimer::singleShot(0, qApp, [] { OurWindow()->close(); });
}

class QtRuntimeTest : public testing::Test {
protected:
    int Run() { return runtime.Run(form1::Form1Description(), events); }

    platform::qt::QtRuntime& runtime = TestRuntime();
    RecordingEvents events;
};

TEST_F(QtRuntimeTest, LoadComesBeforeShowingAndCloseUnloadsOnceWhileShownThenReturnsZero) {
    events.onLoad = [&] {
        EXPECT_FALSE(OurWindow()->isVisible());
        runtime.SetText1Text("主机 a\nb");
        CloseSoon();
    };
    events.onUnload = [&](bool&) {
        EXPECT_TRUE(OurWindow()->isVisible());
        EXPECT_EQ(runtime.Text1Text(), "主机 a\nb") << "text crosses as UTF-8 both ways";
    };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(events.loads, 1);
    EXPECT_EQ(events.unloads, 1);
}

TEST_F(QtRuntimeTest, AMessageIsAModalBoxWithTheApplicationTitleAndOneOkButton) {
    const char* prompt = "is not supported by <b>winsock.dll</b> ";
    events.onLoad = [&] {
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->parentWidget(), nullptr) << "the window is not shown yet";
            EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Torvaleip查看工具"));
            EXPECT_EQ(box->text(), prompt);
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box->buttons().size(), 1);
            EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
            box->button(QMessageBox::Ok)->click();
        });
        runtime.ShowMessage(prompt);
        CloseSoon();
    };
    Run();
}

// Window managers draw the caption in a bold title font, beside a window menu icon and up to
// three buttons, and shorten what does not fit.
TEST_F(QtRuntimeTest, AMessageBoxIsWideEnoughForItsWholeCaptionInATitleBar) {
    events.onLoad = [&] {
        QTimer::singleShot(0, qApp, [&] {
            QWidget* const box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
            titleFont.setBold(true);
            const int captionWidth = QFontMetrics(titleFont).horizontalAdvance(box->windowTitle());
            const int buttonWidth = box->style()->pixelMetric(QStyle::PM_TitleBarHeight);
            EXPECT_GE(box->width(), captionWidth + 4 * buttonWidth);
            qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        });
        runtime.ShowMessage("OK");
        CloseSoon();
    };
    Run();
}

// End() leaves the process at once, so it is watched from a separate process. The handlers
// leave marks on stderr after the flushed output of stdout, which is sent there too.
TEST_F(QtRuntimeTest, EndDuringLoadExitsWithOneAtOnceWithoutUnloading) {
    const auto runThenSayReturned = [this] {
        dup2(STDERR_FILENO, STDOUT_FILENO);
        events.onLoad = [this] {
            std::printf("pending output");
            runtime.End();
        };
        events.onUnload = [](bool&) { std::fputs("unloaded", stderr); };
        Run();
        std::fputs("returned", stderr);
        std::exit(0);
    };
    EXPECT_EXIT(runThenSayReturned(), testing::ExitedWithCode(1), "pending output$");
}

} // namespace
