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
#include <unistd.h>

namespace {

using platform::qt::FormWindow;

const platform::FormDescription& Described() {
    return form1::Form1Description();
}

FormWindow* OurWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<FormWindow*>(widget)) {
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

// What a message box showed, read while it was open, before pressing its OK button.
struct SeenMessage {
    QString caption;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::Information;
    int buttons = 0;
    bool applicationModal = false;
    QWidget* parent = nullptr;
};

void ReadAndDismissMessage(SeenMessage& seen) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr) << "no message box is open";
    seen = {box->windowTitle(),
            box->text(),
            box->textFormat(),
            box->icon(),
            static_cast<int>(box->buttons().size()),
            box->windowModality() == Qt::ApplicationModal,
            box->parentWidget()};
    box->button(QMessageBox::Ok)->click();
}

class QtRuntimeTest : public testing::Test {
protected:
    platform::qt::QtRuntime& runtime = TestRuntime();
    RecordingEvents events;
};

TEST_F(QtRuntimeTest, LoadComesBeforeTheWindowIsShownAndThenItShows) {
    bool shownDuringLoad = true;
    bool shownAfterLoad = false;
    events.onLoad = [&] {
        shownDuringLoad = OurWindowShown();
        Soon([&] {
            shownAfterLoad = OurWindowShown();
            OurWindow()->close();
        });
    };
    EXPECT_EQ(runtime.Run(Described(), events), 0);
    EXPECT_EQ(events.loads, 1);
    EXPECT_FALSE(shownDuringLoad);
    EXPECT_TRUE(shownAfterLoad);
}

TEST_F(QtRuntimeTest, ClosingDeliversUnloadOnceWhileTheWindowIsShownAndReturnsZero) {
    bool shownDuringUnload = false;
    events.onLoad = [&] { Soon([] { OurWindow()->close(); }); };
    events.onUnload = [&](bool&) { shownDuringUnload = OurWindowShown(); };
    EXPECT_EQ(runtime.Run(Described(), events), 0);
    EXPECT_EQ(events.unloads, 1);
    EXPECT_TRUE(shownDuringUnload);
    EXPECT_EQ(OurWindow(), nullptr) << "the window outlived the run";
}

TEST_F(QtRuntimeTest, CancellingUnloadKeepsTheWindowOpen) {
    bool shownAfterCancel = false;
    events.onLoad = [&] {
        Soon([&] {
            OurWindow()->close();
            shownAfterCancel = OurWindowShown();
            OurWindow()->close();
        });
    };
    events.onUnload = [&](bool& cancel) { cancel = events.unloads == 1; };
    EXPECT_EQ(runtime.Run(Described(), events), 0);
    EXPECT_TRUE(shownAfterCancel);
    EXPECT_EQ(events.unloads, 2);
}

TEST_F(QtRuntimeTest, TextCrossesAsUtf8BothWays) {
    std::vector<std::string> readBack;
    const std::vector<std::string> texts = {"", "localhost", "主机名", "a\nb", "192.168.1.20"};
    events.onLoad = [&] {
        Soon([&] {
            for (const std::string& text : texts) {
                runtime.SetText1Text(text);
                readBack.push_back(runtime.Text1Text());
            }
            OurWindow()->close();
        });
    };
    runtime.Run(Described(), events);
    EXPECT_EQ(readBack, texts);
}

TEST_F(QtRuntimeTest, TextSetDuringLoadIsThereWhenTheWindowShows) {
    QString shown;
    events.onLoad = [&] {
        runtime.SetText1Text("主机");
        Soon([&] {
            shown = OurWindow()->text1Text();
            OurWindow()->close();
        });
    };
    runtime.Run(Described(), events);
    EXPECT_EQ(shown, QString::fromUtf8("主机"));
}

TEST_F(QtRuntimeTest, AMessageDuringLoadHasTheApplicationTitleAndNoWindowBehindIt) {
    SeenMessage seen;
    bool shownAfterMessage = true;
    events.onLoad = [&] {
        Soon([&] { ReadAndDismissMessage(seen); });
        runtime.ShowMessage("Winsock.dll is not responding.");
        shownAfterMessage = OurWindowShown();
        Soon([] { OurWindow()->close(); });
    };
    EXPECT_EQ(runtime.Run(Described(), events), 0);
    EXPECT_EQ(seen.caption, QString::fromUtf8("Torvaleip查看工具"));
    EXPECT_EQ(seen.text, "Winsock.dll is not responding.");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_TRUE(seen.applicationModal);
    EXPECT_EQ(seen.parent, nullptr);
    EXPECT_FALSE(shownAfterMessage);
}

TEST_F(QtRuntimeTest, AMessageAfterShowingSitsOverTheWindowAndKeepsItsTextExactly) {
    SeenMessage seen;
    const QWidget* window = nullptr;
    const char* prompt = "is not supported by <b>winsock.dll</b> ";
    events.onLoad = [&] {
        Soon([&] {
            window = OurWindow();
            Soon([&] { ReadAndDismissMessage(seen); });
            runtime.ShowMessage(prompt);
            OurWindow()->close();
        });
    };
    runtime.Run(Described(), events);
    EXPECT_EQ(seen.text, prompt);
    EXPECT_EQ(seen.format, Qt::PlainText);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(seen.parent, window);
}

TEST_F(QtRuntimeTest, TheWindowCarriesThe128PixelApplicationIcon) {
    QList<QSize> sizes;
    events.onLoad = [&] {
        Soon([&] {
            sizes = OurWindow()->windowIcon().availableSizes();
            OurWindow()->close();
        });
    };
    runtime.Run(Described(), events);
    EXPECT_EQ(sizes, QList<QSize>{QSize(128, 128)});
}

// End() leaves the process at once, so it is watched from a separate process. The handlers
// leave marks on stderr; stdout is sent there too, to see that its buffer was flushed.
class QtRuntimeEndDeathTest : public QtRuntimeTest {
protected:
    [[noreturn]] void RunThenSayReturned() {
        dup2(STDERR_FILENO, STDOUT_FILENO);
        events.onUnload = [](bool&) { std::fputs("unloaded", stderr); };
        runtime.Run(Described(), events);
        std::fputs("returned", stderr);
        std::exit(0);
    }
};

const auto kEndedQuietly = testing::AllOf(testing::HasSubstr("pending output"),
                                          testing::Not(testing::HasSubstr("unloaded")),
                                          testing::Not(testing::HasSubstr("returned")));

TEST_F(QtRuntimeEndDeathTest, EndDuringLoadExitsWithOneAndNothingElseRuns) {
    events.onLoad = [&] {
        std::printf("pending output");
        runtime.End();
    };
    EXPECT_EXIT(RunThenSayReturned(), testing::ExitedWithCode(1), kEndedQuietly);
}

TEST_F(QtRuntimeEndDeathTest, EndDuringAClickExitsWithOneWithoutUnloading) {
    events.onLoad = [&] { Soon([] { OurWindow()->findChild<QPushButton*>()->click(); }); };
    events.onClick = [&] {
        std::printf("pending output");
        runtime.End();
    };
    EXPECT_EXIT(RunThenSayReturned(), testing::ExitedWithCode(1), kEndedQuietly);
}

} // namespace
