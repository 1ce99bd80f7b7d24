#include "files/link_guard_posix.h"

#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <string>

namespace ravelo {
namespace {

namespace fs = std::filesystem;

// The most links one path may pass through, as the kernel allows.
constexpr int kMaxLinks = 40;

bool trusted(const struct stat &link, const fs::path &folder) {
    struct stat shared {};
    if (::stat(folder.empty() ? "/" : folder.c_str(), &shared) != 0) {
        return false;
    }
    const bool sharedSticky = (shared.st_mode & S_ISVTX) != 0 && (shared.st_mode & S_IWOTH) != 0;
    return !sharedSticky || link.st_uid == ::geteuid() || link.st_uid == shared.st_uid;
}

}  // namespace

bool followsOnlyTrustedLinks(const fs::path &path) {
    std::deque<fs::path> rest;
    for (const fs::path &part : fs::absolute(path).relative_path()) {
        rest.push_back(part);
    }
    fs::path resolved = "/";
    int links = 0;
    while (!rest.empty()) {
        const fs::path part = rest.front();
        rest.pop_front();
        if (part == "." || part.empty()) {
            continue;
        }
        if (part == "..") {
            resolved = resolved.parent_path();
            continue;
        }
        const fs::path next = resolved / part;
        struct stat status {};
        if (::lstat(next.c_str(), &status) != 0) {
            return true;  // the rest does not exist, so no link in it is followed
        }
        if (!S_ISLNK(status.st_mode)) {
            resolved = next;
            continue;
        }
        if (++links > kMaxLinks || !trusted(status, resolved)) {
            return false;
        }
        std::string target(static_cast<std::size_t>(status.st_size) + 1, '\0');
        const ssize_t length = ::readlink(next.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size()) {
            return false;  // changed under our feet
        }
        target.resize(static_cast<std::size_t>(length));
        const fs::path followed(target);
        if (followed.is_absolute()) {
            resolved = "/";
        }
        const fs::path relative = followed.relative_path();
        for (auto part = relative.end(); part != relative.begin();) {
            rest.push_front(*--part);
        }
    }
    return true;
}

}  // namespace ravelo
