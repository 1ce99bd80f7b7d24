#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>

#include "files/byte_file.h"

namespace ravelo {

struct ByteFile::Handle {
    HANDLE file;
    ~Handle() { CloseHandle(file); }
};

std::unique_ptr<ByteSource> openByteFile(const FilePath &path) {
    return ByteFile::open(path);
}

ByteFile::ByteFile(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
ByteFile::~ByteFile() = default;

std::unique_ptr<ByteFile> ByteFile::open(const FilePath &path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return std::unique_ptr<ByteFile>(new ByteFile(nullptr));
        }
        return nullptr;
    }
    std::unique_ptr<Handle> handle(new Handle{file});
    if (GetFileType(file) != FILE_TYPE_DISK) {
        return nullptr;  // a device or a pipe
    }
    return std::unique_ptr<ByteFile>(new ByteFile(std::move(handle)));
}

std::size_t ByteFile::readAt(std::uint64_t offset, char *out, std::size_t count) {
    if (handle_ == nullptr) {
        return 0;
    }
    std::size_t done = 0;
    while (done < count) {
        OVERLAPPED at{};
        const std::uint64_t position = offset + done;
        at.Offset = static_cast<DWORD>(position);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(handle_->file, out + done, ask, &got, &at)) {
            // A read from the end on is refused as ERROR_HANDLE_EOF: the end, not an error.
            failed_ = GetLastError() != ERROR_HANDLE_EOF;
            break;
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    return done;
}

}  // namespace ravelo
