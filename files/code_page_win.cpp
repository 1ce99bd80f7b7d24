#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "files/code_page.h"

namespace ravelo {

// Through the system's own conversions, which also read the double-byte code pages of East Asian
// Windows, as the controls' own A calls do.
std::u16string decodeText(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    std::u16string text(bytes.size(), u'\0');
    const int written = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size,
                                            reinterpret_cast<wchar_t *>(text.data()), size);
    text.resize(static_cast<std::size_t>(written));
    return text;
}

std::string encodeText(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    const auto *wide = reinterpret_cast<const wchar_t *>(text.data());
    const int size = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, "?", nullptr);
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, size, bytes.data(), needed, "?", nullptr);
    return bytes;
}

// The system's conversion may put a look-alike letter in place of one its code page lacks ("a"
// for "\u0105"), so the text must come back unchanged as well.
std::optional<std::string> encodeWhole(std::u16string_view text) {
    std::string bytes = encodeText(text);
    if (decodeText(bytes) != text) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace ravelo
