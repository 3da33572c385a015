#include "platform/qt/FormWindow.h"

#include "platform/qt/Controls.h"
#include "platform/qt/Utf8.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <array>
#include <utility>

namespace platform::qt {
namespace {

Qt::WindowFlags FlagsFor(const FormDescription& description) {
    // Customised hints, so that the window manager offers only what is described: a fixed
    // single border has no maximise box, and no minimise box unless one is asked for.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (description.minimizeBox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (description.maximizeBox) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

// A plain widget counts as a filler to screen readers; this one is the program's window.
QAccessibleInterface* AccessibleWindow(const QString& /*className*/, QObject* object) {
    auto* const window = qobject_cast<FormWindow*>(object);
    return window != nullptr ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

} // namespace

FormWindow::FormWindow(const FormDescription& description, FormEvents& events)
    : QWidget(nullptr, FlagsFor(description)), events_(events) {
    [[maybe_unused]] static const bool accessibleAsWindow =
        (QAccessible::installFactory(AccessibleWindow), true);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dotsPerInch = screen->logicalDotsPerInch();

    setWindowTitle(FromUtf8(description.caption));
    const QSize clientArea(TwipsToPixels(description.clientArea.width, dotsPerInch),
                           TwipsToPixels(description.clientArea.height, dotsPerInch));
    setFixedSize(clientArea);
    // The client area is what is centred: its frame is not known before the window manager
    // has drawn it, and differs from one window manager to the next.
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, clientArea, screen->geometry()));

    text1_ = MakeTextBox(description.text1, dotsPerInch, this);
    text1_->setObjectName(QStringLiteral("Text1"));
    // A plain window has no default or cancel button: Enter and Escape stay with the control
    // that has the focus, and Escape does not close the window. Enter on the focused button
    // presses it, as in a dialog.
    command1_ = MakeButton(description.command1, dotsPerInch, this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setAutoDefault(true);
    connect(command1_, &QPushButton::clicked, this, [this] { events_.Command1_Click(); });

    ApplyTabOrder(description);
}

QString FormWindow::text1Text() const {
    return text1_->toPlainText();
}

void FormWindow::setText1Text(const QString& text) {
    text1_->setPlainText(text);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    events_.Form_Unload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void FormWindow::ApplyTabOrder(const FormDescription& description) {
    std::array<std::pair<int, QWidget*>, 2> controls{{
        {description.text1.tabIndex, text1_},
        {description.command1.tabIndex, command1_},
    }};
    std::ranges::sort(controls, {}, &std::pair<int, QWidget*>::first);
    QWidget::setTabOrder(controls.front().second, controls.back().second);
    // The first control in tab order has the focus when the window opens.
    controls.front().second->setFocus();
}

} // namespace platform::qt
