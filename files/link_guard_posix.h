#pragma once

#include <filesystem>

// Symbolic links in shared folders. Anyone may put a link into a world-writable sticky folder
// such as /tmp, naming any file; following it would write where its maker chose. The kernel's
// protected_symlinks rule refuses that where it is switched on; this check applies the same
// rule whatever the system's setting.
namespace ravelo {

// False when resolving `path` would follow a link that lies in a world-writable sticky folder
// and belongs neither to this user nor to the folder's owner.
bool followsOnlyTrustedLinks(const std::filesystem::path &path);

}  // namespace ravelo
