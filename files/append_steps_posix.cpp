#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
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
#include "files/unique_fd.h"

// Every step works on the descriptors that open made: the folder that the walk reached, and the
// target itself, opened without following a link and judged on that descriptor. No step looks a
// path up by name after the first look, so that no link swapped in later is followed.
namespace ravelo::append_steps {

struct Opened {
    UniqueFd folder;  // O_PATH
    std::string name;
    UniqueFd file;  // the target, for appending, or -1
    struct stat status {};
};

namespace {

// How long an export waits for another that holds the file, in steps of 20 ms.
constexpr int kLockWaitSteps = 500;

bool sameFile(const struct stat &one, const struct stat &other) {
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

bool isKeptOut(const struct stat &file, const std::vector<FileIdentity> &keepOut) {
    return isAmong(
        {static_cast<std::uint64_t>(file.st_dev), static_cast<std::uint64_t>(file.st_ino)},
        keepOut);
}

// The kernel's protected_regular rule, and no file with other names that could lead elsewhere:
// in a world-writable sticky folder such as /tmp, anyone may leave a file for another to write
// into, so only this user's own files and the folder owner's are written, each with one name.
bool sharedFolderAllows(const struct stat &file, int folder) {
    const std::optional<uid_t> owner = sharedFolderOwner(folder);
    return !owner || ((file.st_uid == ::geteuid() || file.st_uid == *owner) && file.st_nlink == 1);
}

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

}  // namespace

std::optional<Target> open(const FilePath &name, const std::vector<FileIdentity> &keepOut) {
    std::optional<WalkedPath> walked = walkToFile(name);
    if (!walked) {
        return std::nullopt;
    }
    if (afterFirstLook) {
        afterFirstLook();
    }
    auto opened = std::make_shared<Opened>();
    opened->folder = std::move(walked->folder);
    opened->name = std::move(walked->name);
    const int folder = opened->folder.get();
    const char *file = opened->name.c_str();
    Target target;
    // What the name leads to now, the name itself if it is a link: nothing is opened for writing
    // before it is known to be a regular file.
    const UniqueFd look(::openat(folder, file, O_PATH | O_NOFOLLOW | O_CLOEXEC));
    if (!look.valid()) {
        if (errno != ENOENT) {
            return std::nullopt;
        }
        // A new file, made as the system makes one: the umask and the folder's default ACL set
        // its permissions. Never one that somebody made under the name since, nor a link.
        opened->file = UniqueFd(::openat(
            folder, file, O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!opened->file.valid()) {
            return std::nullopt;
        }
        target.made = true;
        target.opened = std::move(opened);
        if (::fstat(target.opened->file.get(), &target.opened->status) != 0) {
            removeMade(target);
            return std::nullopt;
        }
        return target;
    }
    struct stat &status = opened->status;
    if (::fstat(look.get(), &status) != 0 || S_ISLNK(status.st_mode)) {
        return std::nullopt;  // a link where the walk found none: somebody changed it
    }
    target.regular = S_ISREG(status.st_mode);
    target.keptOut = isKeptOut(status, keepOut);
    target.allowed = sharedFolderAllows(status, folder);
    if (target.regular && target.allowed && !target.keptOut) {
        // Through the name once more, and only if it still leads to the file judged.
        opened->file = UniqueFd(::openat(
            folder, file, O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat now {};
        if (opened->file.valid() &&
            (::fstat(opened->file.get(), &now) != 0 || !sameFile(now, status))) {
            return std::nullopt;
        }
        target.allowed = opened->file.valid();
    }
    target.opened = std::move(opened);
    return target;
}

bool lock(const Target &target) {
    const int file = target.opened->file.get();
    for (int step = 0; ::flock(file, LOCK_EX | LOCK_NB) != 0; ++step) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return true;  // a file system without locks: the export goes on unheld
        }
        if (step == kLockWaitSteps) {
            return false;
        }
        const timespec pause{0, 20'000'000};
        ::nanosleep(&pause, nullptr);
    }
    return true;
}

std::optional<std::uint64_t> length(const Target &target) {
    struct stat status {};
    if (::fstat(target.opened->file.get(), &status) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.st_size);
}

// The kernel lets a kill cut a long write short. So the write, its flush and, on a failure, the
// cut back to `length` are a child process's, in a session of its own and with every signal
// blocked, which a kill of the program or of its group does not reach: it finishes them either
// way, holding the file's lock (which it shares) until it has. It is made with vfork, so that it
// borrows this process's memory (however large) instead of a copy while this thread waits for
// it; it changes nothing there but `written`, and makes only system calls.
bool writeAtEnd(const Target &target, std::string_view bytes, std::uint64_t length) {
    const Opened &opened = *target.opened;
    const int file = opened.file.get();
    const UniqueFd folder(
        target.made ? ::openat(opened.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1);
    if (target.made && !folder.valid()) {
        return false;
    }
    const auto finish = [&] {
        const bool done = writeAll(file, bytes) && ::fdatasync(file) == 0 &&
                          (!folder.valid() || ::fsync(folder.get()) == 0);
        if (!done && ::ftruncate(file, static_cast<off_t>(length)) != 0) {
            // nothing more can be done: the file is as the failed write left it
        }
        return done;
    };
    sigset_t all{}, before{};
    ::sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &before);
    volatile bool written = false;
    const pid_t child = ::vfork();
    if (child == 0) {
        ::setsid();
        written = finish();
        ::_exit(0);
    }
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (child < 0) {
        return finish();
    }
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    return written;
}

void removeMade(const Target &target) {
    const Opened &opened = *target.opened;
    struct stat now {};
    if (::fstatat(opened.folder.get(), opened.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
        sameFile(now, opened.status)) {
        ::unlinkat(opened.folder.get(), opened.name.c_str(), 0);
    }
}

}  // namespace ravelo::append_steps
