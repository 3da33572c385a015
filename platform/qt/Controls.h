// The window's controls, built from their descriptions at the screen's resolution.
#pragma once

#include "platform/FormDescription.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QWidget>

namespace platform::qt {

QRect ToPixels(const TwipsRect& bounds, double dotsPerInch);

// A plain-text box: Tab moves the focus on, Enter starts a new line, the described alignment
// holds for whatever text is set, typed or pasted.
QPlainTextEdit* MakeTextBox(const TextBoxDescription& description, double dotsPerInch,
                            QWidget* parent);

QPushButton* MakeButton(const ButtonDescription& description, double dotsPerInch, QWidget* parent);

} // namespace platform::qt
