#include "platform/code_page.h"

namespace ravelo {

std::filesystem::path nativePath(const std::string &pathText) {
    std::u16string wide;
    wide.reserve(pathText.size());
    for (char byte : pathText) {
        wide += decodeByte(static_cast<unsigned char>(byte));
    }
    return std::filesystem::path(wide);
}

}  // namespace ravelo
