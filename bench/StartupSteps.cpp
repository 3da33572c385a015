// Times the steps of ipview's start-up in process, in the order its runtime takes them, to show
// where the time beyond a bare window goes; prints milliseconds per step.
#include "form1/Form1Description.h"
#include "platform/FormEvents.h"
#include "platform/qt/FontChoice.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/PlatformChoice.h"
#include "platform/qt/Utf8.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <cstdio>

namespace {

class NoEvents final : public platform::FormEvents {
public:
    void Form_Load() override {}
    void Form_Unload(bool& /*Cancel*/) override {}
    void Command1_Click() override {}
};

class Steps {
public:
    Steps() { timer_.start(); }
    void Done(const char* step) {
        std::printf("%s=%.2f ", step, static_cast<double>(timer_.nsecsElapsed()) / 1e6);
        timer_.restart();
    }

private:
    QElapsedTimer timer_;
};

} // namespace

int main(int argc, char** argv) {
    Steps steps;
    platform::qt::ChoosePlatform(platform::qt::ReadSession(argc, argv));
    steps.Done("platform_choice");
    QApplication application(argc, argv);
    steps.Done("application");
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ipview.png")));
    steps.Done("icon");
    QFontDatabase::families();
    steps.Done("font_database");
    const platform::ButtonDescription& button = form1::Form1Description().command1;
    const QString caption = platform::qt::FromUtf8(button.caption);
    QFontMetrics(platform::qt::MakeFont(button.font, caption)).horizontalAdvance(caption);
    steps.Done("button_face");
    NoEvents events;
    platform::qt::FormWindow window(form1::Form1Description(), events);
    steps.Done("form_window");
    window.show();
    steps.Done("show");
    std::printf("\n");
    return 0;
}
