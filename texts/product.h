#pragma once

#include <string_view>

// Who the program is and who makes it: shown in its windows and written into every export.
namespace ravelo {

inline constexpr std::string_view kStatusPrefix = "Ravelo version .06 beta";
inline constexpr std::string_view kWebAddress = "https://ravelo.example.org/";
inline constexpr std::string_view kMakersNotice =
    "Made by the Ravelo developers - https://ravelo.example.org/";

}  // namespace ravelo
