#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/append_file.h"

namespace ravelo {
namespace {

namespace fs = std::filesystem;

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { close(); }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const bool closed = !valid() || CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(file, bytes.data(), ask, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool readAll(HANDLE file, std::string &out) {
    char block[1 << 16];
    DWORD got = 0;
    while (ReadFile(file, block, sizeof block, &got, nullptr)) {
        if (got == 0) {
            return true;
        }
        out.append(block, got);
    }
    return false;
}

bool sameFile(const fs::path &file, const fs::path &other) {
    std::error_code error;
    return !other.empty() && fs::equivalent(file, other, error);
}

// Where no new file can be made beside the target: the bytes go to its end, and what did get
// written is cut off again on a failure.
bool appendInPlace(const fs::path &file, std::string_view bytes, bool existed) {
    Handle out(CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
    if (!out.valid() || GetFileType(out.get()) != FILE_TYPE_DISK) {
        return false;
    }
    LARGE_INTEGER size{};
    LARGE_INTEGER zero{};
    bool done = GetFileSizeEx(out.get(), &size) &&
                SetFilePointerEx(out.get(), zero, nullptr, FILE_END) &&
                writeAll(out.get(), bytes) && FlushFileBuffers(out.get());
    if (!done) {
        SetFilePointerEx(out.get(), size, nullptr, FILE_BEGIN);
        SetEndOfFile(out.get());
    }
    done = out.close() && done;
    if (!done && !existed) {
        DeleteFileW(file.c_str());
    }
    return done;
}

}  // namespace

bool appendWhole(const fs::path &target, std::string_view bytes, const fs::path &keepOut) {
    if (target.empty()) {
        return false;
    }
    std::error_code error;
    const fs::path file = fs::weakly_canonical(target, error);
    if (error) {
        return false;
    }
    const fs::file_status status = fs::status(file, error);
    const bool exists = fs::exists(status);
    if (exists && (!fs::is_regular_file(status) || sameFile(file, keepOut))) {
        return false;
    }
    if (exists && bytes.empty()) {
        return true;  // nothing to add
    }
    std::string content;
    if (exists) {
        Handle in(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!in.valid() || GetFileType(in.get()) != FILE_TYPE_DISK) {
            return false;
        }
        if (!readAll(in.get(), content)) {
            return appendInPlace(file, bytes, exists);
        }
    }
    content.append(bytes);

    const fs::path temporary =
        file.parent_path() / (L"~" + file.filename().wstring() + L"." +
                              std::to_wstring(GetCurrentProcessId()) + L".tmp");
    Handle out(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
    if (!out.valid()) {
        return appendInPlace(file, bytes, exists);  // the folder takes no new file
    }
    bool done = writeAll(out.get(), content) && FlushFileBuffers(out.get());
    done = out.close() && done;
    done = done && MoveFileExW(temporary.c_str(), file.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!done) {
        DeleteFileW(temporary.c_str());
    }
    return done;
}

}  // namespace ravelo
