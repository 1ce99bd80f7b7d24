#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/append_steps.h"
#include "files/random_bytes.h"

namespace ravelo::append_steps {
namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { close(); }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    Handle &operator=(Handle &&other) noexcept {
        close();
        handle_ = other.handle_;
        other.handle_ = INVALID_HANDLE_VALUE;
        return *this;
    }
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

std::size_t nameStart(const FilePath &file) {
    return file.find_last_of(L'\\') + 1;
}

FileIdentity identityOf(const BY_HANDLE_FILE_INFORMATION &information) {
    return {
        information.dwVolumeSerialNumber,
        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

// Wine's ReplaceFileW moves the old file aside before it moves the new one in, so a kill between
// the two would lose the file; there a rename over it, which Wine makes whole, replaces it.
bool replacingCanLoseTheFile() {
    static const bool wine =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

bool processRuns(std::uint64_t process) {
    if (process > 0xffffffffu) {
        return false;
    }
    const HANDLE opened = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(process));
    if (opened == nullptr) {
        return GetLastError() != ERROR_INVALID_PARAMETER;  // refused: it runs, as someone else's
    }
    const bool running = WaitForSingleObject(opened, 0) == WAIT_TIMEOUT;
    CloseHandle(opened);
    return running;
}

}  // namespace

std::optional<Target> inspect(const FilePath &name, const std::vector<FileIdentity> &keepOut) {
    Target target;
    target.file = fullPath(name);
    if (target.file.empty()) {
        return std::nullopt;
    }
    const DWORD attributes = GetFileAttributesW(target.file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        target.exists = false;
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? std::optional(target)
                   : std::nullopt;
    }
    target.exists = true;
    target.writable = (attributes & FILE_ATTRIBUTE_READONLY) == 0;
    // Asking for no access at all opens even a file that another program has locked.
    Handle file(CreateFileW(target.file.c_str(), 0,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file.valid() || !GetFileInformationByHandle(file.get(), &information)) {
        return std::nullopt;
    }
    target.regular =
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && GetFileType(file.get()) == FILE_TYPE_DISK;
    target.keptOut = isAmong(identityOf(information), keepOut);
    target.otherNames = information.nNumberOfLinks > 1;
    return target;
}

bool readWhole(const Target &target, std::string &content) {
    Handle in(CreateFileW(target.file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!in.valid() || GetFileType(in.get()) != FILE_TYPE_DISK) {
        return false;
    }
    char block[1 << 16];
    DWORD got = 0;
    while (ReadFile(in.get(), block, sizeof block, &got, nullptr)) {
        if (got == 0) {
            return true;
        }
        content.append(block, got);
    }
    return false;
}

std::optional<FilePath> writeBeside(const Target &target, std::string_view content) {
    const std::size_t start = nameStart(target.file);
    FilePath replacement;
    Handle out(INVALID_HANDLE_VALUE);
    // CREATE_NEW: never a file that somebody made first under the name, which no one can guess.
    for (int attempt = 0; attempt < 8 && !out.valid(); ++attempt) {
        std::uint64_t random = 0;
        randomBytes(&random, sizeof random);
        replacement = target.file.substr(0, start) +
                      temporaryName<wchar_t>(std::wstring_view(target.file).substr(start),
                                             GetCurrentProcessId(), random);
        out = Handle(CreateFileW(replacement.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
        if (!out.valid() && GetLastError() != ERROR_FILE_EXISTS) {
            return std::nullopt;
        }
    }
    if (!out.valid()) {
        return std::nullopt;
    }
    bool done = writeAll(out.get(), content) && FlushFileBuffers(out.get());
    done = out.close() && done;
    if (!done) {
        DeleteFileW(replacement.c_str());
        return FilePath();
    }
    // The new file has the old one's attributes from the start (ReplaceFileW keeps them on
    // Windows, not on every system that runs Windows programs).
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD attributes =
        target.exists ? GetFileAttributesW(target.file.c_str()) : INVALID_FILE_ATTRIBUTES;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kKept) != 0) {
        SetFileAttributesW(replacement.c_str(), attributes & kKept);
    }
    return replacement;
}

bool replace(const Target &target, const FilePath &replacement) {
    if (!target.exists || replacingCanLoseTheFile()) {
        return MoveFileExW(replacement.c_str(), target.file.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    // The new content takes over what Windows keeps on the file: its attributes, security,
    // creation time and other streams.
    if (ReplaceFileW(target.file.c_str(), replacement.c_str(), nullptr,
                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return true;
    }
    // The old file is gone already; the new one must take its name.
    return GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
           MoveFileExW(replacement.c_str(), target.file.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void remove(const Target &, const FilePath &replacement) {
    DeleteFileW(replacement.c_str());
}

bool appendInPlace(const Target &target, std::string_view bytes,
                   const std::vector<FileIdentity> &keepOut) {
    Handle out(CreateFileW(target.file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!out.valid() || GetFileType(out.get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(out.get(), &information) ||
        isAmong(identityOf(information), keepOut)) {
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
    if (!done && !target.exists) {
        DeleteFileW(target.file.c_str());
    }
    return done;
}

void removeLeftovers(const Target &target) {
    const std::size_t start = nameStart(target.file);
    const FilePath folder = target.file.substr(0, start);
    const std::wstring_view name = std::wstring_view(target.file).substr(start);
    WIN32_FIND_DATAW entry{};
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    // What others made there costs a bounded number of looks.
    int foreign = 0;
    do {
        const std::optional<std::uint64_t> process =
            leftoverProcess<wchar_t>(entry.cFileName, name);
        if (!process) {
            continue;
        }
        // Never a folder, nor a link or junction that somebody put there.
        constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
        if ((entry.dwFileAttributes & kNotAFile) == 0 && !processRuns(*process) &&
            DeleteFileW((folder + entry.cFileName).c_str())) {
            continue;
        }
        if (++foreign == 64) {
            break;
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

}  // namespace ravelo::append_steps
