#include "platform/qt/Controls.h"

#include "platform/ReadableBackground.h"
#include "platform/qt/FontChoice.h"
#include "platform/qt/Utf8.h"

#include <QColor>
#include <QPalette>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

namespace platform::qt {
namespace {

QColor ToQt(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

Rgb FromQt(const QColor& colour) {
    return {.red = static_cast<std::uint8_t>(colour.red()),
            .green = static_cast<std::uint8_t>(colour.green()),
            .blue = static_cast<std::uint8_t>(colour.blue())};
}

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

    box->setAccessibleName(FromUtf8(description.accessibleName));

    QPalette palette = box->palette();
    const Rgb text = description.foreground;
    palette.setColor(QPalette::Text, ToQt(text));
    palette.setColor(QPalette::Base,
                     ToQt(ReadableBackground(text, FromQt(palette.color(QPalette::Base)))));
    box->setPalette(palette);

    // The document's default option, unlike a block format, survives setPlainText and paste.
    QTextOption option = box->document()->defaultTextOption();
    option.setAlignment(ToQt(description.alignment));
    box->document()->setDefaultTextOption(option);

    // The box is about one line high, and the toolkit leaves a line that does not fit whole out
    // of view: the caret's line is brought to the top instead.
    QObject::connect(box, &QPlainTextEdit::cursorPositionChanged, box, [box] {
        if (!box->viewport()->rect().contains(box->cursorRect())) {
            const QTextCursor caret = box->textCursor();
            const QTextLine line =
                caret.block().layout()->lineForTextPosition(caret.positionInBlock());
            box->verticalScrollBar()->setValue(caret.block().firstLineNumber() + line.lineNumber());
        }
    });

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
