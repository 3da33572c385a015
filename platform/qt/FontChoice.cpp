#include "platform/qt/FontChoice.h"

#include "platform/qt/Utf8.h"

#include <QFontDatabase>

namespace platform::qt {

QString ChooseFamily(const FontDescription& font, const QStringList& installed) {
    const auto isInstalled = [&](std::string_view family) {
        return installed.contains(FromUtf8(family), Qt::CaseInsensitive);
    };
    if (isInstalled(font.face)) {
        return FromUtf8(font.face);
    }
    for (const std::string_view lookAlike : font.lookAlikes) {
        if (isInstalled(lookAlike)) {
            return FromUtf8(lookAlike);
        }
    }
    return {};
}

QFont MakeFont(const FontDescription& font) {
    QFont made;
    const QString family = ChooseFamily(font, QFontDatabase::families());
    if (!family.isEmpty()) {
        made.setFamilies({family});
    }
    made.setPointSizeF(font.points);
    made.setWeight(static_cast<QFont::Weight>(font.weight));
    made.setItalic(font.italic);
    made.setUnderline(font.underline);
    made.setStrikeOut(font.strikeOut);
    return made;
}

} // namespace platform::qt
