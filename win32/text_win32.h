#pragma once

#include <string>
#include <string_view>

// Where the program's 8-bit text meets the wide text of the Windows controls: through the code
// page of platform/, the system's ANSI code page, as the controls' own A calls convert.
namespace ravelo {

std::wstring toWide(std::string_view text);
// A character that the code page cannot hold becomes '?'.
std::string fromWide(std::wstring_view text);

// The whole text of a window or control, in wide characters.
std::wstring windowText(void *hwnd);

}  // namespace ravelo
