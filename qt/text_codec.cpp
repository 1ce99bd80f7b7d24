#include "qt/text_codec.h"

#include <cstddef>
#include <string>

#include "files/code_page.h"

namespace ravelo {

QString toQString(std::string_view text) {
    const std::u16string characters = decodeText(text);
    return QString::fromUtf16(characters.data(), static_cast<qsizetype>(characters.size()));
}

// Through UTF-8, which Qt makes from any text: a stray half of a surrogate pair becomes a
// replacement character instead of a conversion that throws.
FilePath toPath(const QString &text) {
    return text.toStdString();
}

QString fromPath(const FilePath &path) {
    return QString::fromStdString(path);
}

std::string fromQString(const QString &text) {
    return encodeText(std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()),
                                          static_cast<std::size_t>(text.size())));
}

}  // namespace ravelo
