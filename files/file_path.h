#pragma once

#include <string>

namespace ravelo {

// A file's name as the system spells it, the string type of std::filesystem::path: UTF-16 on
// Windows, bytes elsewhere. The program hands it unchanged from a text box or the file dialog to
// the file calls and never takes it apart there. A plain string keeps std::filesystem out of the
// Windows program, whose C++ library would bring all its streams and locales along with it.
#ifdef _WIN32
using FilePath = std::wstring;
#else
using FilePath = std::string;
#endif

}  // namespace ravelo
