#include "platform/qt/MessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

namespace platform::qt {
namespace {

// The width of a window manager's title bar that shows `caption` whole. Their title fonts are
// commonly the toolkit's title-bar font in bold, and beside the caption they draw a window menu
// and up to three buttons of about the title bar's height, with some margin.
int TitleBarWidthFor(const QWidget& window, const QString& caption) {
    constexpr int kTitleBarHeightsBesideTheCaption = 5;
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    return QFontMetrics(titleFont).horizontalAdvance(caption) +
           kTitleBarHeightsBesideTheCaption *
               window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
}

} // namespace

void ShowMessageBox(QWidget* parent, const QString& caption, const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, caption, prompt, QMessageBox::Ok, parent);
    // Plain text keeps the prompt exactly as given, trailing blanks included.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    // The box sizes itself to what its layout holds, ignoring a minimum width of its own: a
    // spacer across the layout keeps it wide enough for the caption, which the window manager
    // would cut short.
    if (auto* const grid = qobject_cast<QGridLayout*>(box.layout())) {
        const QMargins margins = grid->contentsMargins();
        const int width = TitleBarWidthFor(box, caption) - margins.left() - margins.right();
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

} // namespace platform::qt
