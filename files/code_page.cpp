#include "files/code_page.h"

#include <cstddef>

namespace ravelo {
namespace {

// The length of the UTF-8 sequence that starts with `lead`, or 0 for a byte that starts none.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead < 0xE0) {
        return 2;
    }
    if (lead >= 0xE0 && lead < 0xF0) {
        return 3;
    }
    if (lead >= 0xF0 && lead < 0xF5) {
        return 4;
    }
    return 0;
}

}  // namespace

std::string textFromUtf8(std::string_view utf8) {
    std::u16string characters;
    characters.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = sequenceLength(lead);
        char32_t character = length == 1 ? lead : lead & (0x7F >> length);
        bool whole = length != 0 && at + length <= utf8.size();
        for (std::size_t i = 1; whole && i < length; ++i) {
            const auto next = static_cast<unsigned char>(utf8[at + i]);
            whole = (next & 0xC0) == 0x80;
            character = (character << 6) | (next & 0x3F);
        }
        const bool shortest = length < 3 || (length == 3 && character >= 0x800) ||
                              (length == 4 && character >= 0x10000 && character < 0x110000);
        if (!whole || !shortest || (character >= 0xD800 && character < 0xE000)) {
            characters += u'\uFFFD';
            at += 1;
        } else if (character >= 0x10000) {
            characters += static_cast<char16_t>(0xD800 + ((character - 0x10000) >> 10));
            characters += static_cast<char16_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
            at += length;
        } else {
            characters += static_cast<char16_t>(character);
            at += length;
        }
    }
    return encodeText(characters);
}

std::filesystem::path nativePath(const std::string &pathText) {
    return std::filesystem::path(decodeText(pathText));
}

}  // namespace ravelo
