#include "platform/qt/MessageBox.h"

#include <QMessageBox>

namespace platform::qt {

void ShowMessageBox(QWidget* parent, const QString& caption, const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, caption, prompt, QMessageBox::Ok, parent);
    // Plain text keeps the prompt exactly as given, trailing blanks included.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace platform::qt
