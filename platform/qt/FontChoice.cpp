#include "platform/qt/FontChoice.h"

#include "platform/qt/CoveringFace.h"
#include "platform/qt/Utf8.h"

#include <QFontDatabase>
#include <QStringList>

namespace platform::qt {

QFont MakeFont(const FontDescription& font, const QString& text) {
    QFont made;
    const QStringList installed = QFontDatabase::families();
    const auto face = ChooseFace(
        font,
        [&](std::string_view family) {
            return installed.contains(FromUtf8(family), Qt::CaseInsensitive);
        },
        [&] { return CoveringFace(text, font.charset); });
    if (face) {
        made.setFamilies({FromUtf8(*face)});
    }
    made.setPointSizeF(font.points);
    made.setWeight(static_cast<QFont::Weight>(font.weight));
    made.setItalic(font.italic);
    made.setUnderline(font.underline);
    made.setStrikeOut(font.strikeOut);
    return made;
}

} // namespace platform::qt
