#include <sys/stat.h>

#include <optional>

#include "files/file_identity.h"

namespace ravelo {

std::optional<FileIdentity> identityOf(const FilePath &path) {
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                        static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace ravelo
