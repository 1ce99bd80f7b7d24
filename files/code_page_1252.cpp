#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "files/code_page.h"

namespace ravelo {
namespace {

// Bytes 0x80 to 0x9F; the five bytes that Windows-1252 leaves undefined keep their C1 control
// character, as Windows converts them, so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t decodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

char encodeCharacter(char16_t character) {
    if (character < 0x80 || (character >= 0xA0 && character < 0x100)) {
        return static_cast<char>(character);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}

}  // namespace

std::u16string decodeText(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[i] = decodeByte(static_cast<unsigned char>(bytes[i]));
    }
    return text;
}

std::string encodeText(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A character beyond the first 65,536 is two units, and one '?'.
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;
        }
        bytes += encodeCharacter(text[i]);
    }
    return bytes;
}

std::optional<std::string> encodeWhole(std::u16string_view text) {
    std::string bytes(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[i] = encodeCharacter(text[i]);
        if (bytes[i] == '?' && text[i] != u'?') {
            return std::nullopt;
        }
    }
    return bytes;
}

}  // namespace ravelo
