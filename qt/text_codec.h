#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "files/file_path.h"

// The one place where the program's 8-bit text meets the toolkit's text.
namespace ravelo {

QString toQString(std::string_view text);
// A character that the code page cannot hold becomes '?'.
std::string fromQString(const QString &text);

// A file's name goes between the toolkit and the system unchanged, not through the code page.
FilePath toPath(const QString &text);
QString fromPath(const FilePath &path);

}  // namespace ravelo
