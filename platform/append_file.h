#pragma once

#include <string>
#include <string_view>

namespace ravelo {

// Appends `bytes` to the file at `pathText` (8-bit text, opened in binary mode), creating the file
// when it is missing. All or nothing: when any part of the write fails, the file is cut back to
// the length it had, and false is returned.
bool appendWhole(const std::string &pathText, std::string_view bytes);

}  // namespace ravelo
