#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "files/append_steps.h"

namespace ravelo::append_steps {
namespace {

// How long an export waits for a program that holds the file for a moment (a virus scanner, the
// indexer, another export), in steps of 20 ms.
constexpr int kBusyWaitSteps = 500;

// A pipe server that the name leads to may not act as this user.
constexpr DWORD kFlags = FILE_ATTRIBUTE_NORMAL | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION;

// The absolute form of a path, as Windows resolves it (".", "..", either slash), in the "\\?\"
// form where it is longer than the old limit of MAX_PATH; empty if Windows cannot resolve it.
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
    if (full.size() < MAX_PATH || full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\")) {
        return full;
    }
    return full.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

FileIdentity identityOf(const BY_HANDLE_FILE_INFORMATION &information) {
    return {
        information.dwVolumeSerialNumber,
        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

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

// The whole of a file, and more, for LockFileEx.
constexpr DWORD kWholeLow = MAXDWORD;
constexpr DWORD kWholeHigh = MAXDWORD;

}  // namespace

// The file that the name leads to, opened once: the export judges it and writes it through this
// handle. Others may read it meanwhile, but not write it.
struct Opened {
    FilePath path;
    HANDLE file = INVALID_HANDLE_VALUE;
    bool locked = false;
    ~Opened() {
        if (locked) {
            OVERLAPPED whole{};
            UnlockFileEx(file, 0, kWholeLow, kWholeHigh, &whole);
        }
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
    }
};

std::optional<Target> open(const FilePath &name, const std::vector<FileIdentity> &keepOut) {
    auto opened = std::make_shared<Opened>();
    opened->path = fullPath(name);
    if (opened->path.empty()) {
        return std::nullopt;
    }
    Target target;
    for (int step = 0; opened->file == INVALID_HANDLE_VALUE; ++step) {
        opened->file = CreateFileW(opened->path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, kFlags, nullptr);
        DWORD error = GetLastError();
        if (opened->file == INVALID_HANDLE_VALUE && error == ERROR_FILE_NOT_FOUND) {
            // A new file, with the security that its folder gives it; never one that somebody
            // made under the name since.
            opened->file = CreateFileW(opened->path.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                       nullptr, CREATE_NEW, kFlags, nullptr);
            error = GetLastError();
            target.made = opened->file != INVALID_HANDLE_VALUE;
            // Made by another program since the first try: open that one, a bounded number of
            // times, however often it comes and goes.
            if (error == ERROR_FILE_EXISTS && step < kBusyWaitSteps) {
                continue;
            }
        }
        if (opened->file != INVALID_HANDLE_VALUE) {
            break;
        }
        if (error == ERROR_ACCESS_DENIED) {
            target.allowed = false;  // a read-only file, or a folder
            target.opened = std::move(opened);
            return target;
        }
        if (error != ERROR_SHARING_VIOLATION || step == kBusyWaitSteps) {
            return std::nullopt;
        }
        Sleep(20);
    }
    if (afterFirstLook) {
        afterFirstLook();
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(opened->file, &information)) {
        return std::nullopt;
    }
    target.regular = (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
                     GetFileType(opened->file) == FILE_TYPE_DISK;
    // Refused as Windows refuses this user, also where the system lets its administrator write.
    target.allowed = (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0;
    target.keptOut = isAmong(identityOf(information), keepOut);
    target.opened = std::move(opened);
    return target;
}

bool lock(const Target &target) {
    Opened &opened = *target.opened;
    for (int step = 0; step <= kBusyWaitSteps; ++step) {
        OVERLAPPED whole{};
        if (LockFileEx(opened.file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                       kWholeLow, kWholeHigh, &whole)) {
            opened.locked = true;
            return true;
        }
        if (GetLastError() != ERROR_LOCK_VIOLATION) {
            return true;  // a file system without locks: the share mode keeps other writers out
        }
        Sleep(20);
    }
    return false;
}

std::optional<std::uint64_t> length(const Target &target) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(target.opened->file, &size)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

// Windows finishes a write that has begun before it ends the program that asked for it.
bool writeAtEnd(const Target &target, std::string_view bytes, std::uint64_t length) {
    const HANDLE file = target.opened->file;
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(length);
    if (SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && writeAll(file, bytes) &&
        FlushFileBuffers(file)) {
        return true;
    }
    if (SetFilePointerEx(file, end, nullptr, FILE_BEGIN)) {
        SetEndOfFile(file);
    }
    return false;
}

void removeMade(const Target &target) {
    Opened &opened = *target.opened;
    if (opened.locked) {
        OVERLAPPED whole{};
        UnlockFileEx(opened.file, 0, kWholeLow, kWholeHigh, &whole);
        opened.locked = false;
    }
    CloseHandle(opened.file);
    opened.file = INVALID_HANDLE_VALUE;
    DeleteFileW(opened.path.c_str());
}

}  // namespace ravelo::append_steps
