// The application-modal message box: a caption, a plain-text prompt, one OK button, no icon.
#pragma once

#include <QString>
#include <QWidget>

namespace platform::qt {

// Returns when the user dismisses the box. `parent` is null when no window of ours is shown.
void ShowMessageBox(QWidget* parent, const QString& caption, const QString& prompt);

} // namespace platform::qt
