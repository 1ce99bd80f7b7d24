#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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

// The file that the name leads to, opened once: the export judges it, reads it and writes it
// through this handle, and checks that the name still leads to it before it replaces it.
struct Opened {
    Handle file{INVALID_HANDLE_VALUE};
    FileIdentity identity;
    bool readable = false;
    bool writable = false;
};

namespace {

// The identity of the file that `path` names now; nothing when there is none.
std::optional<FileIdentity> identityByName(const FilePath &path) {
    Handle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file.valid() || !GetFileInformationByHandle(file.get(), &information)) {
        return std::nullopt;
    }
    return identityOf(information);
}

// Whether the target's name still leads to the file that the export opened and judged.
bool stillTheOpenedFile(const Target &target) {
    return !target.exists ||
           (target.opened && identityByName(target.file) == target.opened->identity);
}

}  // namespace

std::optional<Target> inspect(const FilePath &name, const std::vector<FileIdentity> &keepOut) {
    Target target;
    target.file = fullPath(name);
    if (target.file.empty()) {
        return std::nullopt;
    }
    auto opened = std::make_shared<Opened>();
    // The most that this user may do with the file, down to no access at all, which opens even
    // a file that another program has locked, or a folder.
    constexpr DWORD kShared = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    constexpr DWORD kAccess[] = {GENERIC_READ | GENERIC_WRITE, GENERIC_READ, GENERIC_WRITE, 0};
    for (const DWORD access : kAccess) {
        opened->file = Handle(CreateFileW(target.file.c_str(), access, kShared, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (opened->file.valid()) {
            opened->readable = (access & GENERIC_READ) != 0;
            opened->writable = (access & GENERIC_WRITE) != 0;
            break;
        }
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            target.exists = false;
            return target;
        }
    }
    if (afterFirstLook) {
        afterFirstLook();
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!opened->file.valid() || !GetFileInformationByHandle(opened->file.get(), &information)) {
        return std::nullopt;
    }
    target.exists = true;
    opened->identity = identityOf(information);
    target.writable = (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0;
    target.regular = (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
                     GetFileType(opened->file.get()) == FILE_TYPE_DISK;
    target.keptOut = isAmong(opened->identity, keepOut);
    target.otherNames = information.nNumberOfLinks > 1;
    target.opened = std::move(opened);
    return target;
}

bool readWhole(const Target &target, std::string &content) {
    if (!target.opened || !target.opened->readable) {
        return false;
    }
    const HANDLE in = target.opened->file.get();
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(in, start, nullptr, FILE_BEGIN)) {
        return false;
    }
    char block[1 << 16];
    DWORD got = 0;
    while (ReadFile(in, block, sizeof block, &got, nullptr)) {
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
    // Windows replaces by name: the name must still lead to the file that was judged, which is
    // let go of first, as Windows replaces no file that is open.
    if (!stillTheOpenedFile(target)) {
        return false;
    }
    if (target.opened) {
        target.opened->file.close();
    }
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
    // The file that was judged, through its handle; or a new one, never one that someone made
    // under the name since.
    Handle made(INVALID_HANDLE_VALUE);
    if (!target.exists) {
        made = Handle(CreateFileW(target.file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH,
                                  nullptr));
    } else if (!target.opened || !target.opened->writable) {
        return false;
    }
    const HANDLE out = target.exists ? target.opened->file.get() : made.get();
    BY_HANDLE_FILE_INFORMATION information{};
    if (out == INVALID_HANDLE_VALUE || GetFileType(out) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(out, &information) ||
        isAmong(identityOf(information), keepOut)) {
        return false;
    }
    LARGE_INTEGER size{};
    LARGE_INTEGER zero{};
    bool done = GetFileSizeEx(out, &size) && SetFilePointerEx(out, zero, nullptr, FILE_END) &&
                writeAll(out, bytes) && FlushFileBuffers(out);
    if (!done) {
        SetFilePointerEx(out, size, nullptr, FILE_BEGIN);
        SetEndOfFile(out);
    }
    if (!target.exists) {
        done = made.close() && done;
        if (!done) {
            DeleteFileW(target.file.c_str());
        }
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
