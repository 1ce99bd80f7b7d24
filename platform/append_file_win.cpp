#include <windows.h>

#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/append_file.h"
#include "platform/file_identity.h"

namespace ravelo {
namespace {

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

// The absolute form of a path, as Windows resolves it (".", "..", either slash); empty if
// Windows cannot.
FilePath fullPath(const FilePath &path) {
    const DWORD need = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (need == 0) {
        return {};
    }
    FilePath full(need, L'\0');
    const DWORD got = GetFullPathNameW(path.c_str(), need, full.data(), nullptr);
    if (got == 0 || got >= need) {
        return {};
    }
    full.resize(got);
    return full;
}

// Wine's ReplaceFileW moves the old file aside before it moves the new one in, so a kill between
// the two would lose the file; there a rename over it, which Wine makes whole, replaces it.
bool replacingCanLoseTheFile() {
    static const bool wine =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

bool isKeptOut(const FilePath &file, const std::vector<FileIdentity> &keepOut) {
    const std::optional<FileIdentity> identity = identityOf(file);
    return identity && isAmong(*identity, keepOut);
}

// Where no new file can be made beside the target: the bytes go to its end, and what did get
// written is cut off again on a failure.
bool appendInPlace(const FilePath &file, std::string_view bytes, bool existed) {
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

bool appendWhole(const FilePath &target, std::string_view bytes,
                 const std::vector<FileIdentity> &keepOut) {
    if (target.empty()) {
        return false;
    }
    const FilePath file = fullPath(target);
    if (file.empty()) {
        return false;
    }
    struct _stat64 status {};
    const bool exists = _wstat64(file.c_str(), &status) == 0;
    if (exists && ((status.st_mode & _S_IFMT) != _S_IFREG || isKeptOut(file, keepOut))) {
        return false;
    }
    const DWORD attributes = exists ? GetFileAttributesW(file.c_str()) : FILE_ATTRIBUTE_NORMAL;
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;  // a file that may not be written is not replaced either
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

    const std::size_t nameStart = file.find_last_of(L'\\') + 1;
    FilePath temporary = file.substr(0, nameStart);
    temporary += L'~';
    temporary += std::wstring_view(file).substr(nameStart);
    temporary += L'.';
    temporary += std::to_wstring(GetCurrentProcessId());
    temporary += L".tmp";
    Handle out(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
    if (!out.valid()) {
        return appendInPlace(file, bytes, exists);  // the folder takes no new file
    }
    bool done = writeAll(out.get(), content) && FlushFileBuffers(out.get());
    done = out.close() && done;
    // The new file has the old one's attributes from the start (ReplaceFileW keeps them on
    // Windows, not on every system that runs Windows programs).
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (done && exists && (attributes & kKept) != 0) {
        SetFileAttributesW(temporary.c_str(), attributes & kKept);
    }
    if (done && !exists) {
        done = MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_WRITE_THROUGH);
    } else if (done && replacingCanLoseTheFile()) {
        done = MoveFileExW(temporary.c_str(), file.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    } else if (done) {
        // The new content takes over what Windows keeps on the file: its attributes, security,
        // creation time and other streams.
        done = ReplaceFileW(file.c_str(), temporary.c_str(), nullptr,
                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
        if (!done && GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            // The old file is gone already; the new one must take its name.
            return MoveFileExW(temporary.c_str(), file.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        }
    }
    if (!done) {
        DeleteFileW(temporary.c_str());
    }
    return done;
}

}  // namespace ravelo
