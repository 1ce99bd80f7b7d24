#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ravelo {

// How every label of the program wraps its text: into lines no wider than `width`, broken at
// spaces only, never inside a word or after punctuation such as the ":" and "\" of a path. The
// spaces at a break belong to neither line; a word wider than the line stands alone on its own.
// `measure` gives the width of a piece of text in the label's font.
template <class Char, class Measure>
std::vector<std::basic_string<Char>> wrapAtSpaces(std::basic_string_view<Char> text,
                                                  Measure measure, int width) {
    std::vector<std::basic_string<Char>> lines;
    std::basic_string<Char> line;
    std::size_t at = 0;
    while (at < text.size()) {
        // The next piece is a run of spaces and the word after it.
        std::size_t wordStart = at;
        while (wordStart < text.size() && text[wordStart] == Char(' ')) {
            ++wordStart;
        }
        std::size_t wordEnd = wordStart;
        while (wordEnd < text.size() && text[wordEnd] != Char(' ')) {
            ++wordEnd;
        }
        std::basic_string<Char> longer = line;
        longer.append(text.substr(at, wordEnd - at));
        if (!line.empty() && wordEnd > wordStart &&
            measure(std::basic_string_view<Char>(longer)) > width) {
            lines.push_back(std::move(line));
            line = text.substr(wordStart, wordEnd - wordStart);
        } else {
            line = std::move(longer);
        }
        at = wordEnd;
    }
    if (!line.empty()) {
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace ravelo
