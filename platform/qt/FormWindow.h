// The window built from its description: a fixed-size top-level widget, centred on the screen,
// whose controls and close button deliver the window's events.
#pragma once

#include "platform/FormDescription.h"
#include "platform/FormEvents.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace platform::qt {

class FormWindow final : public QWidget {
    Q_OBJECT

public:
    // Builds the window hidden, at the resolution of the primary screen.
    FormWindow(const FormDescription& description, FormEvents& events);

    QString text1Text() const;
    void setText1Text(const QString& text);

signals:
    // The user closed the window and the unload handler let it go.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyTabOrder(const FormDescription& description);

    FormEvents& events_;
    QPlainTextEdit* text1_;
    QPushButton* command1_;
};

} // namespace platform::qt
