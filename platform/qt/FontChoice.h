// Picks the font for a described face: the face itself, else its look-alikes in order, else the
// platform default.
#pragma once

#include "platform/FormDescription.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace platform::qt {

// The first of the described face and its look-alikes that is installed; empty when none is.
QString ChooseFamily(const FontDescription& font, const QStringList& installed);

// The described font, from the families installed on this system.
QFont MakeFont(const FontDescription& font);

} // namespace platform::qt
