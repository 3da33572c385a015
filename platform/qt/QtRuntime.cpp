#include "platform/qt/QtRuntime.h"

#include "platform/qt/LeaveProcess.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/Utf8.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <cstdio>

namespace platform::qt {

QtRuntime::QtRuntime(int& argc, char** argv) : application_(argc, argv) {
    // The run ends when the window closes, not when some last window (a message box shown
    // before the window, say) goes away.
    QApplication::setQuitOnLastWindowClosed(false);
    // Read as the PNG it is: a reader that may guess loads every image format plugin installed
    // to ask each whether the file is its kind, even when it is told the format.
    QImageReader icon(QStringLiteral(":/ipview.png"), "png");
    icon.setAutoDetectImageFormat(false);
    QApplication::setWindowIcon(QPixmap::fromImage(icon.read()));
    // The id of the desktop entry installed with the program: on Wayland it is the window's
    // app id, by which a dock ties the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ipview"));
}

int QtRuntime::Run(const FormDescription& description, FormEvents& events) {
    // A platform may have no screen at all, as Qt's offscreen one set up with none: the window,
    // sized and placed by the screen, cannot be made, and Qt would abort at it.
    if (QGuiApplication::primaryScreen() == nullptr) {
        std::fputs("ipview: there is no screen to show the window on\n", stderr);
        return 1;
    }
    FormWindow window(description, events);
    QObject::connect(&window, &FormWindow::closed, &application_,
                     [] { QCoreApplication::exit(0); });
    description_ = &description;
    window_ = &window;

    events.Form_Load();
    window.show();
    const int status = QApplication::exec();

    window_ = nullptr;
    description_ = nullptr;
    return status;
}

std::string QtRuntime::Text1Text() const {
    return window_ != nullptr ? ToUtf8(window_->text1Text()) : std::string();
}

void QtRuntime::SetText1Text(std::string_view text) {
    if (window_ != nullptr) {
        window_->setText1Text(FromUtf8(text));
    }
}

void QtRuntime::ShowMessage(std::string_view prompt) {
    QWidget* parent = window_ != nullptr && window_->isVisible() ? window_ : nullptr;
    const QString caption =
        description_ != nullptr ? FromUtf8(description_->applicationTitle) : QString();
    ShowMessageBox(parent, caption, FromUtf8(prompt));
}

void QtRuntime::End() {
    // Leaving through exit() or the event loop would destroy the window and run destructors,
    // and those can deliver further events (a close, an unload) to the window's handlers.
    LeaveProcess(1);
}

int QtRuntime::Finish(int status) {
    // Qt's Wayland display can wait in its destructor for an event thread that waits in a read for
    // a reader that never comes: seen with Qt 6.4, 6.8 and 6.11 on a loaded machine. One pass of
    // the event loop, with no window left to deliver events to, hands the compositor the requests
    // still queued for it.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        QCoreApplication::processEvents();
        LeaveProcess(status);
    }
    return status;
}

} // namespace platform::qt
