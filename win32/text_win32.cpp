#include "win32/text_win32.h"

#include <windows.h>

#include "files/code_page.h"

namespace ravelo {

std::wstring toWide(std::string_view text) {
    const std::u16string characters = decodeText(text);
    return {characters.begin(), characters.end()};
}

std::string fromWide(std::wstring_view text) {
    return encodeText(
        std::u16string_view(reinterpret_cast<const char16_t *>(text.data()), text.size()));
}

std::wstring windowText(void *hwnd) {
    const auto window = static_cast<HWND>(hwnd);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

}  // namespace ravelo
