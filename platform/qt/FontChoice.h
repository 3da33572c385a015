// Picks the font for a described face: the face itself, else its look-alikes in order, else a
// face that has the characters to show, else the platform default.
#pragma once

#include "platform/FormDescription.h"

#include <QFont>
#include <QString>

namespace platform::qt {

// The described font, from the families installed on this system, for showing `text`.
QFont MakeFont(const FontDescription& font, const QString& text);

} // namespace platform::qt
