#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "files/file_path.h"

namespace ravelo {

// The file that a name leads to, whatever the name: its volume and file index on Windows, its
// device and inode elsewhere. Every name of one file (another letter case, another drive letter,
// a link) gives the same identity.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

// The identity of the file at `path`; nothing when there is no file to ask.
std::optional<FileIdentity> identityOf(const FilePath &path);

inline bool isAmong(const FileIdentity &identity, const std::vector<FileIdentity> &files) {
    return std::find(files.begin(), files.end(), identity) != files.end();
}

}  // namespace ravelo
