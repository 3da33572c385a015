#include "platform/qt/Controls.h"

#include "platform/qt/FontChoice.h"
#include "platform/qt/Utf8.h"

#include <QColor>
#include <QPalette>
#include <QTextDocument>
#include <QTextOption>

namespace platform::qt {
namespace {

Qt::Alignment ToQt(HorizontalAlignment alignment) {
    switch (alignment) {
    case HorizontalAlignment::Center:
        return Qt::AlignHCenter;
    case HorizontalAlignment::Right:
        return Qt::AlignRight;
    case HorizontalAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

QRect ToPixels(const TwipsRect& bounds, double dotsPerInch) {
    const PixelRect pixels = TwipsToPixels(bounds, dotsPerInch);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

QPlainTextEdit* MakeTextBox(const TextBoxDescription& description, double dotsPerInch,
                            QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setGeometry(ToPixels(description.bounds, dotsPerInch));
    box->setFont(MakeFont(description.font, FromUtf8(description.text)));
    box->setTabChangesFocus(true);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QPalette palette = box->palette();
    const Rgb& colour = description.foreground;
    palette.setColor(QPalette::Text, QColor(colour.red, colour.green, colour.blue));
    box->setPalette(palette);

    // The document's default option, unlike a block format, survives setPlainText and paste.
    QTextOption option = box->document()->defaultTextOption();
    option.setAlignment(ToQt(description.alignment));
    box->document()->setDefaultTextOption(option);

    box->setPlainText(FromUtf8(description.text));
    return box;
}

QPushButton* MakeButton(const ButtonDescription& description, double dotsPerInch, QWidget* parent) {
    const QString caption = FromUtf8(description.caption);
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(ToPixels(description.bounds, dotsPerInch));
    button->setFont(MakeFont(description.font, caption));
    return button;
}

} // namespace platform::qt
