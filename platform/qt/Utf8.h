// Text crosses between the UTF-8 of the window's handlers and Qt's QString here.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform::qt {

QString FromUtf8(std::string_view text);
std::string ToUtf8(const QString& text);

} // namespace platform::qt
