#include "platform/append_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/code_page.h"

namespace ravelo {

bool appendWhole(const std::string &pathText, std::string_view bytes) {
    namespace fs = std::filesystem;
    if (pathText.empty()) {
        return false;
    }
    const fs::path path = nativePath(pathText);
    std::FILE *file = std::fopen(path.string().c_str(), "ab");
    if (file == nullptr) {
        return false;
    }
    std::error_code error;
    const std::uintmax_t previousSize = fs::file_size(path, error);
    const bool complete =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    if (complete && closed) {
        return true;
    }
    if (!error) {
        fs::resize_file(path, previousSize, error);
    }
    return false;
}

}  // namespace ravelo
