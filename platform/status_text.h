#pragma once

#include <string>
#include <string_view>

#include "platform/product.h"

namespace ravelo {

// A status line text: the program's name and version, a run of spaces that pushes the tail to
// the right end of the one visible line, then the tail.
inline std::string statusText(int spaces, std::string_view tail) {
    std::string text(kStatusPrefix);
    text.append(static_cast<std::size_t>(spaces), ' ');
    text.append(tail);
    return text;
}

}  // namespace ravelo
