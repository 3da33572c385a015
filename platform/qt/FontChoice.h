// Picks the font for a described face: the face itself, else its look-alikes in order, else the
// platform default.
#pragma once

#include "platform/FormDescription.h"

#include <QFont>

namespace platform::qt {

// The described font, from the families installed on this system.
QFont MakeFont(const FontDescription& font);

} // namespace platform::qt
