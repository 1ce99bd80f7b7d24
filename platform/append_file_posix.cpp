#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/append_file.h"
#include "platform/file_identity.h"
#include "platform/link_guard_posix.h"

namespace ravelo {
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

bool readAll(const fs::path &path, std::string &out) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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
        out.append(block, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return n == 0;
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

void syncFolder(const fs::path &folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Where no new file can be made beside the target: the bytes go to its end, and what did get
// written is cut off again on a failure.
bool appendInPlace(const fs::path &file, std::string_view bytes, bool existed,
                   const std::vector<FileIdentity> &keepOut) {
    const int fd =
        ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
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
        if (!existed) {
            ::unlink(file.c_str());
        }
        return false;
    }
    return true;
}

}  // namespace

bool appendWhole(const FilePath &targetName, std::string_view bytes,
                 const std::vector<FileIdentity> &keepOut) {
    const fs::path target(targetName);
    if (target.empty()) {
        return false;
    }
    if (!followsOnlyTrustedLinks(target)) {
        return false;
    }
    std::error_code error;
    const fs::path file = fs::weakly_canonical(target, error);  // through any symbolic link
    if (error) {
        return false;
    }
    struct stat status {};
    const bool exists = ::stat(file.c_str(), &status) == 0;
    if (!exists && errno != ENOENT) {
        return false;
    }
    if (exists && (!S_ISREG(status.st_mode) || isKeptOut(status, keepOut) ||
                   ::access(file.c_str(), W_OK) != 0)) {
        return false;  // a file that may not be written is not replaced either
    }
    if (exists && bytes.empty()) {
        return true;  // nothing to add
    }
    std::string content;
    if (exists && (status.st_nlink > 1 || !readAll(file, content))) {
        return appendInPlace(file, bytes, exists, keepOut);
    }
    content.append(bytes);

    std::string hidden = ".";  // built by appending: GCC 12 warns falsely on "." + name at -O3
    hidden += file.filename().string();
    hidden += ".XXXXXX";
    std::string temporary = file.parent_path() / hidden;
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return appendInPlace(file, bytes, exists, keepOut);  // the folder takes no new file
    }
    if (exists && ::fchown(fd, status.st_uid, status.st_gid) != 0) {
        // another owner's file: it becomes ours, as any file we write does
    }
    bool done = writeAll(fd, content) &&
                ::fchmod(fd, exists ? (status.st_mode & 07777) : newFileMode()) == 0 &&
                ::fsync(fd) == 0;
    done = ::close(fd) == 0 && done;
    done = done && ::rename(temporary.c_str(), file.c_str()) == 0;
    if (!done) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(file.parent_path());
    return true;
}

}  // namespace ravelo
