#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/append_steps.h"
#include "files/path_walk_posix.h"
#include "files/random_bytes.h"
#include "files/unique_fd.h"

// Every step works on the descriptors that inspect opened: the folder that the walk reached, and
// the target itself, opened without following a link and judged on that descriptor. No step
// looks a path up by name after the first look, so that no link swapped in later is followed.
namespace ravelo::append_steps {

struct Opened {
    UniqueFd folder;     // O_PATH
    UniqueFd file;       // the target, for reading and writing where it may, or -1
    struct stat status;  // the target's, when it exists
    bool readable = false;
};

namespace {

// How many of the names that others may have made a clean-up looks at before it stops.
constexpr int kForeignLooks = 64;

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

bool sameFile(const struct stat &one, const struct stat &other) {
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// The permissions that a new file gets: everyone may read and write, less the process's mask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The folder opened for reading its entries and for fsync; "." names it, not a path.
UniqueFd openFolder(const Opened &opened) {
    return UniqueFd(::openat(opened.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// The target opened anew through the name it had, for what `flags` ask: only if it is still the
// file that was looked at.
UniqueFd reopen(const Opened &opened, const std::string &name, int flags) {
    UniqueFd file(::openat(opened.folder.get(), name.c_str(),
                           flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !sameFile(status, opened.status)) {
        return UniqueFd();
    }
    return file;
}

bool processRuns(std::uint64_t process) {
    return process <= INT32_MAX && (::kill(static_cast<pid_t>(process), 0) == 0 || errno != ESRCH);
}

}  // namespace

std::optional<Target> inspect(const FilePath &name, const std::vector<FileIdentity> &keepOut) {
    std::optional<WalkedPath> walked = walkToFile(name);
    if (!walked) {
        return std::nullopt;
    }
    if (afterFirstLook) {
        afterFirstLook();
    }
    auto opened = std::make_shared<Opened>();
    opened->folder = std::move(walked->folder);
    Target target;
    target.file = walked->name;
    // What the name leads to now, the name itself if it is a link: nothing is opened for
    // reading or writing before it is known to be a regular file.
    const UniqueFd look(
        ::openat(opened->folder.get(), target.file.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    if (!look.valid()) {
        if (errno != ENOENT) {
            return std::nullopt;
        }
        target.opened = std::move(opened);
        return target;
    }
    if (::fstat(look.get(), &opened->status) != 0 || S_ISLNK(opened->status.st_mode)) {
        return std::nullopt;  // a link where the walk found none: somebody changed it
    }
    target.exists = true;
    target.regular = S_ISREG(opened->status.st_mode);
    target.keptOut = isKeptOut(opened->status, keepOut);
    target.otherNames = opened->status.st_nlink > 1;
    if (target.regular) {
        opened->file = reopen(*opened, target.file, O_RDWR);
        opened->readable = opened->file.valid();
        if (!opened->file.valid()) {
            opened->file = reopen(*opened, target.file, O_WRONLY);
        }
        target.writable = opened->file.valid();
    }
    target.opened = std::move(opened);
    return target;
}

bool readWhole(const Target &target, std::string &content) {
    const Opened &opened = *target.opened;
    if (!opened.readable) {
        return false;
    }
    char block[1 << 16];
    off_t at = 0;
    ssize_t n = 0;
    while ((n = ::pread(opened.file.get(), block, sizeof block, at)) != 0) {
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        content.append(block, static_cast<std::size_t>(n));
        at += n;
    }
    return true;
}

std::optional<FilePath> writeBeside(const Target &target, std::string_view content) {
    const Opened &opened = *target.opened;
    UniqueFd out;
    FilePath replacement;
    // O_EXCL: never a file that somebody made first, nor through a link put there.
    for (int attempt = 0; attempt < 8 && !out.valid(); ++attempt) {
        std::uint64_t random = 0;
        randomBytes(&random, sizeof random);
        replacement =
            temporaryName<char>(target.file, static_cast<std::uint64_t>(::getpid()), random);
        out = UniqueFd(::openat(opened.folder.get(), replacement.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!out.valid() && errno != EEXIST) {
            return std::nullopt;
        }
    }
    if (!out.valid()) {
        return std::nullopt;
    }
    if (target.exists && ::fchown(out.get(), opened.status.st_uid, opened.status.st_gid) != 0) {
        // another owner's file: it becomes ours, as any file we write does
    }
    const mode_t mode = target.exists ? (opened.status.st_mode & 07777) : newFileMode();
    bool done =
        writeAll(out.get(), content) && ::fchmod(out.get(), mode) == 0 && ::fsync(out.get()) == 0;
    done = out.close() && done;
    if (!done) {
        ::unlinkat(opened.folder.get(), replacement.c_str(), 0);
        return FilePath();
    }
    return replacement;
}

bool replace(const Target &target, const FilePath &replacement) {
    const Opened &opened = *target.opened;
    // Whatever the name holds by now, a link included, is replaced, never followed.
    if (::renameat(opened.folder.get(), replacement.c_str(), opened.folder.get(),
                   target.file.c_str()) != 0) {
        return false;
    }
    if (const UniqueFd folder = openFolder(opened); folder.valid()) {
        ::fsync(folder.get());
    }
    return true;
}

void remove(const Target &target, const FilePath &replacement) {
    ::unlinkat(target.opened->folder.get(), replacement.c_str(), 0);
}

bool appendInPlace(const Target &target, std::string_view bytes,
                   const std::vector<FileIdentity> &keepOut) {
    const Opened &opened = *target.opened;
    UniqueFd made;
    int file = opened.file.get();
    struct stat status = opened.status;
    if (!target.exists) {
        made = UniqueFd(::openat(opened.folder.get(), target.file.c_str(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!made.valid() || ::fstat(made.get(), &status) != 0) {
            return false;
        }
        file = made.get();
    }
    if (file < 0 || !S_ISREG(status.st_mode) || isKeptOut(status, keepOut)) {
        return false;
    }
    const int flags = ::fcntl(file, F_GETFL);
    bool written = flags >= 0 && ::fcntl(file, F_SETFL, flags | O_APPEND) == 0 &&
                   writeAll(file, bytes) && ::fsync(file) == 0;
    if (!written && ::ftruncate(file, status.st_size) != 0) {
        // nothing more can be done: the file is as the failed write left it
    }
    if (made.valid()) {
        written = made.close() && written;
        struct stat now {};
        if (!written &&
            ::fstatat(opened.folder.get(), target.file.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
            sameFile(now, status)) {
            ::unlinkat(opened.folder.get(), target.file.c_str(), 0);
        }
    }
    return written;
}

void removeLeftovers(const Target &target) {
    UniqueFd folder = openFolder(*target.opened);
    DIR *entries = folder.valid() ? ::fdopendir(folder.get()) : nullptr;
    if (entries == nullptr) {
        return;
    }
    folder.release();  // the listing owns it now
    int foreign = 0;
    while (const dirent *entry = ::readdir(entries)) {
        const std::optional<std::uint64_t> process =
            leftoverProcess<char>(entry->d_name, target.file);
        if (!process) {
            continue;
        }
        // Only a file of this user's, never one that a link leads to.
        struct stat status {};
        if (!processRuns(*process) &&
            ::fstatat(::dirfd(entries), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
            ::unlinkat(::dirfd(entries), entry->d_name, 0) == 0) {
            continue;
        }
        if (++foreign == kForeignLooks) {
            break;
        }
    }
    ::closedir(entries);
}

}  // namespace ravelo::append_steps
