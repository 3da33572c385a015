// Finds, through fontconfig, an installed face for text whose described faces are all missing.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace platform::qt {

// The family of the best installed face that has every character of `text` and, for a Windows
// character set that names a language (GB2312: Simplified Chinese), that language's characters;
// nothing when no face has them all.
std::optional<std::string> CoveringFace(const QString& text, int charset);

} // namespace platform::qt
