#include "platform/text_codec.h"

#include <QList>

#include "platform/code_page.h"

namespace ravelo {

QString toQString(std::string_view text) {
    QString out(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[static_cast<qsizetype>(i)] = QChar(decodeByte(static_cast<unsigned char>(text[i])));
    }
    return out;
}

std::filesystem::path toPath(const QString &text) {
    return std::filesystem::path(text.toStdU16String());
}

QString fromPath(const std::filesystem::path &path) {
    return QString::fromStdU16String(path.u16string());
}

std::string fromQString(const QString &text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t character : text.toUcs4()) {
        out += encodeCharacter(character);
    }
    return out;
}

}  // namespace ravelo
