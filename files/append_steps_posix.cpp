#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "files/append_steps.h"
#include "files/link_guard_posix.h"

namespace ravelo::append_steps {
namespace {

namespace fs = std::filesystem;

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool isKeptOut(const struct stat &file, const std::vector<FileIdentity> &keepOut) {
    return isAmong(
        {static_cast<std::uint64_t>(file.st_dev), static_cast<std::uint64_t>(file.st_ino)},
        keepOut);
}

// The permissions that a new file gets: everyone may read and write, less the process's mask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

fs::path folderOf(const Target &target) {
    const fs::path folder = fs::path(target.file).parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

void syncFolder(const fs::path &folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool processRuns(std::uint64_t process) {
    return process <= INT32_MAX && (::kill(static_cast<pid_t>(process), 0) == 0 || errno != ESRCH);
}

}  // namespace

std::optional<Target> inspect(const FilePath &name, const std::vector<FileIdentity> &keepOut) {
    if (!followsOnlyTrustedLinks(name)) {
        return std::nullopt;
    }
    std::error_code error;
    Target target;
    target.file = fs::weakly_canonical(fs::path(name), error).string();  // through any link
    if (error) {
        return std::nullopt;
    }
    struct stat status {};
    target.exists = ::stat(target.file.c_str(), &status) == 0;
    if (!target.exists) {
        return errno == ENOENT ? std::optional(target) : std::nullopt;
    }
    target.regular = S_ISREG(status.st_mode);
    target.keptOut = isKeptOut(status, keepOut);
    target.writable = ::access(target.file.c_str(), W_OK) == 0;
    target.otherNames = status.st_nlink > 1;
    return target;
}

bool readWhole(const Target &target, std::string &content) {
    const int fd = ::open(target.file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    char block[1 << 16];
    ssize_t n = 0;
    while ((n = ::read(fd, block, sizeof block)) != 0) {
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            break;
        }
        content.append(block, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return n == 0;
}

std::optional<FilePath> writeBeside(const Target &target, std::string_view content) {
    const fs::path file(target.file);
    const FilePath replacement =
        (folderOf(target) /
         temporaryName<char>(file.filename().native(), static_cast<std::uint64_t>(::getpid())))
            .string();
    ::unlink(replacement.c_str());  // this process's own, from an export that could not end
    // O_EXCL: never through a link that somebody put there.
    const int fd = ::open(replacement.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat status {};
    if (target.exists && ::stat(target.file.c_str(), &status) == 0 &&
        ::fchown(fd, status.st_uid, status.st_gid) != 0) {
        // another owner's file: it becomes ours, as any file we write does
    }
    bool done = writeAll(fd, content) &&
                ::fchmod(fd, target.exists ? (status.st_mode & 07777) : newFileMode()) == 0 &&
                ::fsync(fd) == 0;
    done = ::close(fd) == 0 && done;
    if (!done) {
        ::unlink(replacement.c_str());
        return FilePath();
    }
    return replacement;
}

bool replace(const Target &target, const FilePath &replacement) {
    if (::rename(replacement.c_str(), target.file.c_str()) != 0) {
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}

void remove(const FilePath &file) {
    ::unlink(file.c_str());
}

bool appendInPlace(const Target &target, std::string_view bytes,
                   const std::vector<FileIdentity> &keepOut) {
    const int fd =
        ::open(target.file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || isKeptOut(status, keepOut)) {
        ::close(fd);
        return false;
    }
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!written && ::ftruncate(fd, status.st_size) != 0) {
        // nothing more can be done: the file is as the failed write left it
    }
    const bool closed = ::close(fd) == 0;
    if (!(written && closed)) {
        if (!target.exists) {
            ::unlink(target.file.c_str());
        }
        return false;
    }
    return true;
}

void removeLeftovers(const Target &target) {
    const fs::path folder = folderOf(target);
    const std::string name = fs::path(target.file).filename().native();
    DIR *entries = ::opendir(folder.c_str());
    if (entries == nullptr) {
        return;
    }
    while (const dirent *entry = ::readdir(entries)) {
        const std::optional<std::uint64_t> process = leftoverProcess<char>(entry->d_name, name);
        if (!process || processRuns(*process)) {
            continue;
        }
        // Only a file of this user's, never one that a link leads to.
        struct stat status {};
        if (::fstatat(::dirfd(entries), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid()) {
            ::unlinkat(::dirfd(entries), entry->d_name, 0);
        }
    }
    ::closedir(entries);
}

}  // namespace ravelo::append_steps
