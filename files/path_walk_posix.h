#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

#include "files/unique_fd.h"

// Where a path leads, found once and held by descriptor. Anyone may put a symbolic link into a
// world-writable sticky folder such as /tmp, naming any file; following it would write where its
// maker chose. The kernel's protected_symlinks rule refuses that where it is switched on; the
// walk applies the same rule whatever the system's setting, to every link on the way, judged
// on the link and its folder as they are when the walk passes them. Since every later step
// works relative to the folder's descriptor, a link swapped in after the walk is never followed.
namespace ravelo {

struct WalkedPath {
    UniqueFd folder;   // the folder that holds the file (O_PATH)
    std::string name;  // the file's name there: no link when the walk looked, or nothing there
};

// Nothing when a folder on the way is missing or no folder, when a link may not be followed, or
// after more links than the kernel would follow.
std::optional<WalkedPath> walkToFile(const std::string &path);

// The owner of `folder` when it is world-writable and sticky (as /tmp), where anyone may put a
// file or a link; nothing for any other folder.
std::optional<uid_t> sharedFolderOwner(int folder);

}  // namespace ravelo
