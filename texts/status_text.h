#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/controls.h"
#include "texts/product.h"

namespace ravelo {

// A status line text: the program's name and version, a run of spaces that pushes the tail to
// the right end of the one visible line, then the tail.
inline std::string statusText(int spaces, std::string_view tail) {
    std::string text(kStatusPrefix);
    text.append(static_cast<std::size_t>(spaces), ' ');
    text.append(tail);
    return text;
}

// The same kind of text, fixed when the program is built.
template <std::size_t Spaces, std::size_t N1, std::size_t N2>
constexpr auto spacedText(const char (&first)[N1], const char (&second)[N2]) {
    std::array<char, N1 - 1 + Spaces + N2 - 1> text{};
    std::size_t at = 0;
    for (std::size_t i = 0; i + 1 < N1; ++i)
        text[at++] = first[i];
    for (std::size_t i = 0; i < Spaces; ++i)
        text[at++] = ' ';
    for (std::size_t i = 0; i + 1 < N2; ++i)
        text[at++] = second[i];
    return text;
}

inline constexpr auto kStartUpTextChars =
    spacedText<110>("Ravelo version .06 beta", "Click browse to begin.");
// What the status line says when the program starts and after a cancelled Browse.
inline constexpr std::string_view kStartUpText{kStartUpTextChars.data(), kStartUpTextChars.size()};

inline constexpr auto kListFullTextChars =
    spacedText<103>("Ravelo version .06 beta", "The list is full.");
// What a scan or Add says when the list holds as many entries as it can.
inline constexpr std::string_view kListFullText{kListFullTextChars.data(),
                                                kListFullTextChars.size()};

// The status line's own colours: light text on blue, and the red of a refused export.
inline constexpr Rgb kStatusText{192, 192, 255};
inline constexpr Rgb kStatusBlue{0, 0, 255};
inline constexpr Rgb kStatusRed{255, 0, 0};

}  // namespace ravelo
