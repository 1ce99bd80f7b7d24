#include "platform/append_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/code_page.h"

namespace ravelo {

bool appendWhole(const std::string &pathText, std::string_view bytes) {
    namespace fs = std::filesystem;
    if (pathText.empty()) {
        return false;
    }
    const fs::path path = nativePath(pathText);
    std::ofstream file(path, std::ios::binary | std::ios::app);
    if (!file.is_open()) {
        return false;
    }
    std::error_code error;
    const std::uintmax_t previousSize = fs::file_size(path, error);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    const bool written = file.good();
    file.close();
    if (written && !file.fail()) {
        return true;
    }
    if (!error) {
        fs::resize_file(path, previousSize, error);  // take back what did get written
    }
    return false;
}

}  // namespace ravelo
