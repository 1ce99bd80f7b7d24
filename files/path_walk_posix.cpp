#include "files/path_walk_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace ravelo {
namespace {

// The most links one path may pass through, as the kernel allows.
constexpr int kMaxLinks = 40;

constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

// The protected_symlinks rule: a link in a world-writable sticky folder is followed only when it
// belongs to the one who follows it or to the folder's owner.
bool mayFollow(const struct stat &link, int folder) {
    const std::optional<uid_t> owner = sharedFolderOwner(folder);
    return !owner || link.st_uid == ::geteuid() || link.st_uid == *owner;
}

void pushFront(std::deque<std::string> &rest, std::string_view path) {
    std::deque<std::string> parts;
    std::size_t at = 0;
    while (at <= path.size()) {
        const std::size_t end = std::min(path.find('/', at), path.size());
        if (end > at) {
            parts.emplace_back(path.substr(at, end - at));
        }
        at = end + 1;
    }
    rest.insert(rest.begin(), parts.begin(), parts.end());
}

// The link's own text, read through its descriptor. Some links tell no size (those under
// /proc/self/fd); theirs is read into room for the longest path.
std::optional<std::string> linkText(int link, const struct stat &status) {
    const auto room = status.st_size > 0 ? static_cast<std::size_t>(status.st_size) : PATH_MAX;
    std::string text(room + 1, '\0');
    const ssize_t length = ::readlinkat(link, "", text.data(), text.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= text.size()) {
        return std::nullopt;  // changed under our feet
    }
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

std::optional<uid_t> sharedFolderOwner(int folder) {
    struct stat status {};
    if (::fstat(folder, &status) != 0 || (status.st_mode & S_ISVTX) == 0 ||
        (status.st_mode & S_IWOTH) == 0) {
        return std::nullopt;
    }
    return status.st_uid;
}

std::optional<WalkedPath> walkToFile(const std::string &path) {
    if (path.empty()) {
        return std::nullopt;
    }
    UniqueFd folder(::open(path.front() == '/' ? "/" : ".", kFolderFlags));
    std::deque<std::string> rest;
    pushFront(rest, path);
    int links = 0;
    while (folder.valid() && !rest.empty()) {
        const std::string part = std::move(rest.front());
        rest.pop_front();
        if (part == ".") {
            continue;
        }
        const bool last = rest.empty();
        if (part == "..") {
            if (last) {
                return std::nullopt;  // a folder, not a file
            }
            folder = UniqueFd(::openat(folder.get(), "..", kFolderFlags));
            continue;
        }
        UniqueFd next(::openat(folder.get(), part.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat status {};
        if (!next.valid() || ::fstat(next.get(), &status) != 0) {
            if (last && errno == ENOENT) {
                return WalkedPath{std::move(folder), part};  // a new file
            }
            return std::nullopt;
        }
        if (S_ISLNK(status.st_mode)) {
            if (++links > kMaxLinks || !mayFollow(status, folder.get())) {
                return std::nullopt;
            }
            const std::optional<std::string> target = linkText(next.get(), status);
            if (!target) {
                return std::nullopt;
            }
            if (target->front() == '/') {
                folder = UniqueFd(::open("/", kFolderFlags));
            }
            pushFront(rest, *target);
            continue;
        }
        if (last) {
            return WalkedPath{std::move(folder), part};
        }
        if (!S_ISDIR(status.st_mode)) {
            return std::nullopt;
        }
        folder = std::move(next);
    }
    return std::nullopt;
}

}  // namespace ravelo
