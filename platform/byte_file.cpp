#include "platform/byte_file.h"

#include <filesystem>
#include <system_error>

#include "platform/code_page.h"

namespace ravelo {

std::unique_ptr<ByteFile> ByteFile::open(const std::string &pathText) {
    namespace fs = std::filesystem;
    const fs::path path = nativePath(pathText);
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    std::unique_ptr<ByteFile> file(new ByteFile);
    if (status.type() == fs::file_type::not_found) {
        file->empty_ = true;
        return file;
    }
    if (error || status.type() == fs::file_type::directory) {
        return nullptr;
    }
    file->stream_.rdbuf()->pubsetbuf(nullptr, 0);  // the caller reads in large blocks already
    file->stream_.open(path, std::ios::in | std::ios::binary);
    if (!file->stream_.is_open()) {
        return nullptr;
    }
    return file;
}

std::size_t ByteFile::readAt(std::uint64_t offset, char *out, std::size_t count) {
    if (empty_ || count == 0) {
        return 0;
    }
    stream_.clear();
    stream_.seekg(static_cast<std::streamoff>(offset));
    stream_.read(out, static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(stream_.gcount());
}

}  // namespace ravelo
