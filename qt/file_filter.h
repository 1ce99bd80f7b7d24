#pragma once

#include <string>
#include <string_view>

#include "platform/file_chooser.h"

namespace ravelo {

// A file name pattern that matches in any letter case where the matcher compares letter by
// letter: each letter becomes a bracket of both its cases ("*.NK2" is "*.[Nn][Kk]2").
std::string anyLetterCase(std::string_view pattern);

// The name filter for a file dialog. Qt's own dialog shows the request's filter whole and
// matches its pattern in any case. The system's dialogs (GTK's, the desktop portal's) show only
// the filter's name before "(" and hand the pattern to GTK, which matches letter case by letter
// case: they get the pattern in every case.
std::string nameFilter(const OpenFileRequest &request, bool systemDialog);

}  // namespace ravelo
