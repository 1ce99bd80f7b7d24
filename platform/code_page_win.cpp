#include <windows.h>

#include <array>

#include "platform/code_page.h"

namespace ravelo {
namespace {

const std::array<char16_t, 256> &characters() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> made{};
        for (int byte = 0; byte < 256; ++byte) {
            const char in = static_cast<char>(byte);
            wchar_t out = static_cast<wchar_t>(byte);
            MultiByteToWideChar(CP_ACP, 0, &in, 1, &out, 1);
            made[static_cast<std::size_t>(byte)] = static_cast<char16_t>(out);
        }
        return made;
    }();
    return table;
}

}  // namespace

char16_t decodeByte(unsigned char byte) {
    return characters()[byte];
}

char encodeCharacter(char32_t character) {
    for (std::size_t byte = 0; byte < 256; ++byte) {
        if (characters()[byte] == character) {
            return static_cast<char>(byte);
        }
    }
    return '?';
}

}  // namespace ravelo
