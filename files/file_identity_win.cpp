#include <windows.h>

#include <optional>

#include "files/file_identity.h"

namespace ravelo {

std::optional<FileIdentity> identityOf(const FilePath &path) {
    if (path.empty()) {
        return std::nullopt;
    }
    // Asking for no access at all opens even a file that another program has locked.
    const HANDLE file =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(file, &information);
    CloseHandle(file);
    if (!known) {
        return std::nullopt;
    }
    return FileIdentity{
        information.dwVolumeSerialNumber,
        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

}  // namespace ravelo
