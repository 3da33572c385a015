// A run of the window from load to close, its messages, and ending the program at once.
#include "RecordingEvents.h"
#include "form1/Form1Description.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
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

bool OurWindowShown() {
    return OurWindow() != nullptr && OurWindow()->isVisible();
}

// Runs `step` once the event loop that is running, or about to run, gets to it.
void Soon(std::function<void()> step) {
    QTimer::singleShot(0, qApp, std::move(step));
}

void CloseSoon() {
    Soon([] { OurWindow()->close(); });
}

class QtRuntimeTest : public testing::Test {
protected:
    int Run() { return runtime.Run(form1::Form1Description(), events); }

    platform::qt::QtRuntime& runtime = TestRuntime();
    RecordingEvents events;
};

TEST_F(QtRuntimeTest, LoadComesBeforeShowingAndCloseUnloadsOnceWhileShownThenReturnsZero) {
    bool shownDuringLoad = true;
    bool shownDuringUnload = false;
    std::string textAtUnload;
    events.onLoad = [&] {
        shownDuringLoad = OurWindowShown();
        runtime.SetText1Text("主机 a\nb");
        CloseSoon();
    };
    events.onUnload = [&](bool&) {
        shownDuringUnload = OurWindowShown();
        textAtUnload = runtime.Text1Text();
    };
    EXPECT_EQ(Run(), 0);
    EXPECT_FALSE(shownDuringLoad);
    EXPECT_TRUE(shownDuringUnload);
    EXPECT_EQ(events.loads, 1);
    EXPECT_EQ(events.unloads, 1);
    EXPECT_EQ(textAtUnload, "主机 a\nb") << "text crosses as UTF-8 both ways";
}

TEST_F(QtRuntimeTest, AMessageIsAModalBoxWithTheApplicationTitleAndOneOkButton) {
    const char* prompt = "is not supported by <b>winsock.dll</b> ";
    bool seen = false;
    events.onLoad = [&] {
        Soon([&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = true;
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
    EXPECT_TRUE(seen);
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
