// The form-and-control runtime on Qt 6 Widgets. It owns the application object, so there is one
// per process, made before anything else of Qt.
#pragma once

#include "platform/Runtime.h"
#include "platform/qt/FormWindow.h"

#include <QApplication>

namespace platform::qt {

class QtRuntime final : public Runtime {
public:
    QtRuntime(int& argc, char** argv);

    int Run(const FormDescription& description, FormEvents& events) override;

    std::string Text1Text() const override;
    void SetText1Text(std::string_view text) override;
    void ShowMessage(std::string_view prompt) override;
    [[noreturn]] void End() override;

    // Ends the run with the status once Run has returned: the status for main to return, so that
    // everything is torn down and LeakSanitizer sees what is left, except on Wayland, where Qt's
    // teardown can hang and it leaves the process at once.
    int Finish(int status);

private:
    QApplication application_;
    // While Run runs: the window's description and the window.
    const FormDescription* description_ = nullptr;
    FormWindow* window_ = nullptr;
};

} // namespace platform::qt
