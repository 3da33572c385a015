// A run of the window from load to close, its messages, and ending the program at once.
#include "RecordingEvents.h"
#include "TestRuntime.h"
#include "form1/Form1Description.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <span>
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

    // Shows `prompt` as the program would, and reads the box before pressing its OK button.
    void ShowMessageAndReadIt(const char* prompt) {
        Soon([this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no message box is open";
            message = {box->windowTitle(),    box->text(),           box->icon(),
                       box->buttons().size(), box->windowModality(), box->parentWidget()};
            box->button(QMessageBox::Ok)->click();
        });
        runtime.ShowMessage(prompt);
    }

    struct {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::Information;
        qsizetype buttons = 0;
        Qt::WindowModality modality = Qt::NonModal;
        QWidget* parent = nullptr;
    } message;
    platform::qt::QtRuntime& runtime = TestRuntime();
    RecordingEvents events;
};

TEST_F(QtRuntimeTest, LoadComesBeforeTheWindowIsShownAndThenItShows) {
    bool shownDuringLoad = true;
    bool shownAfterLoad = false;
    events.onLoad = [&] {
        shownDuringLoad = OurWindowShown();
        Soon([&] { shownAfterLoad = OurWindowShown(); });
        CloseSoon();
    };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(events.loads, 1);
    EXPECT_FALSE(shownDuringLoad);
    EXPECT_TRUE(shownAfterLoad);
}

TEST_F(QtRuntimeTest, ClosingUnloadsOnceWhileTheWindowIsShownAndReturnsZero) {
    bool shownDuringUnload = false;
    events.onLoad = CloseSoon;
    events.onUnload = [&](bool&) { shownDuringUnload = OurWindowShown(); };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(events.unloads, 1);
    EXPECT_TRUE(shownDuringUnload);
    EXPECT_EQ(OurWindow(), nullptr) << "the window outlived the run";
}

TEST_F(QtRuntimeTest, CancellingUnloadKeepsTheWindowOpen) {
    bool shownAfterCancel = false;
    events.onLoad = [&] {
        CloseSoon();
        Soon([&] { shownAfterCancel = OurWindowShown(); });
        CloseSoon();
    };
    events.onUnload = [&](bool& cancel) { cancel = events.unloads == 1; };
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(shownAfterCancel);
    EXPECT_EQ(events.unloads, 2);
}

TEST_F(QtRuntimeTest, TextSetFromLoadOnCrossesAsUtf8BothWays) {
    const std::vector<std::string> texts = {"主机", "", "localhost", "a\nb", "192.168.1.20"};
    std::vector<std::string> readBack;
    events.onLoad = [&] {
        runtime.SetText1Text(texts.front());
        Soon([&] {
            readBack.push_back(runtime.Text1Text());
            for (const std::string& text : std::span(texts).subspan(1)) {
                runtime.SetText1Text(text);
                readBack.push_back(runtime.Text1Text());
            }
        });
        CloseSoon();
    };
    Run();
    EXPECT_EQ(readBack, texts);
}

TEST_F(QtRuntimeTest, AMessageDuringLoadHasNoWindowBehindItAndTheApplicationTitle) {
    bool shownAfterMessage = true;
    events.onLoad = [&] {
        ShowMessageAndReadIt("Winsock.dll is not responding.");
        shownAfterMessage = OurWindowShown();
        CloseSoon();
    };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(message.caption, QString::fromUtf8("Torvaleip查看工具"));
    EXPECT_EQ(message.text, "Winsock.dll is not responding.");
    EXPECT_EQ(message.icon, QMessageBox::NoIcon);
    EXPECT_EQ(message.buttons, 1);
    EXPECT_EQ(message.modality, Qt::ApplicationModal);
    EXPECT_EQ(message.parent, nullptr);
    EXPECT_FALSE(shownAfterMessage);
}

TEST_F(QtRuntimeTest, AMessageAfterShowingSitsOverTheWindowWithItsTextExactlyAsGiven) {
    const char* prompt = "is not supported by <b>winsock.dll</b> ";
    const QWidget* window = nullptr;
    events.onLoad = [&] {
        Soon([&] {
            window = OurWindow();
            ShowMessageAndReadIt(prompt);
        });
        CloseSoon();
    };
    Run();
    EXPECT_EQ(message.text, prompt);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(message.parent, window);
}

TEST_F(QtRuntimeTest, TheWindowCarriesThe128PixelApplicationIcon) {
    QList<QSize> sizes;
    events.onLoad = [&] {
        Soon([&] { sizes = OurWindow()->windowIcon().availableSizes(); });
        CloseSoon();
    };
    Run();
    EXPECT_EQ(sizes, QList<QSize>{QSize(128, 128)});
}

// End() leaves the process at once, so it is watched from a separate process. The handlers
// leave marks on stderr; stdout is sent there too, to see that its buffer was flushed.
class QtRuntimeEndDeathTest : public QtRuntimeTest {
protected:
    [[noreturn]] void RunThenSayReturned() {
        dup2(STDERR_FILENO, STDOUT_FILENO);
        events.onUnload = [](bool&) { std::fputs("unloaded", stderr); };
        Run();
        std::fputs("returned", stderr);
        std::exit(0);
    }
    void EndWithOutputPending() {
        std::printf("pending output");
        runtime.End();
    }
};

const auto kEndedQuietly = testing::AllOf(testing::HasSubstr("pending output"),
                                          testing::Not(testing::HasSubstr("unloaded")),
                                          testing::Not(testing::HasSubstr("returned")));

TEST_F(QtRuntimeEndDeathTest, EndDuringLoadExitsWithOneAndNothingElseRuns) {
    events.onLoad = [&] { EndWithOutputPending(); };
    EXPECT_EXIT(RunThenSayReturned(), testing::ExitedWithCode(1), kEndedQuietly);
}

TEST_F(QtRuntimeEndDeathTest, EndDuringAClickExitsWithOneWithoutUnloading) {
    events.onLoad = [] { Soon([] { OurWindow()->findChild<QPushButton*>()->click(); }); };
    events.onClick = [&] { EndWithOutputPending(); };
    EXPECT_EXIT(RunThenSayReturned(), testing::ExitedWithCode(1), kEndedQuietly);
}

} // namespace
