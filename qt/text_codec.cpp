#include "qt/text_codec.h"

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

// Through UTF-8, which Qt makes from any text: a stray half of a surrogate pair becomes a
// replacement character instead of a conversion that throws.
FilePath toPath(const QString &text) {
    return text.toStdString();
}

QString fromPath(const FilePath &path) {
    return QString::fromStdString(path);
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
