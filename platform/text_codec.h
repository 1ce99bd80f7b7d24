#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one place where the program's 8-bit text meets the toolkit's text.
namespace ravelo {

QString toQString(std::string_view text);
// A character that the code page cannot hold becomes '?'.
std::string fromQString(const QString &text);

}  // namespace ravelo
