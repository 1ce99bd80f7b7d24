#include "scan/cache_location.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace ravelo {

std::string GetSpecialFolder(int id, const SpecialFolderRequest &request) {
    std::array<char, 260> buffer;
    buffer.fill(' ');
    if (!request || !request(buffer, static_cast<std::int16_t>(id))) {
        return {};
    }
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    const bool hasFolder =
        end != buffer.end() && std::any_of(buffer.begin(), end, [](char c) { return c != ' '; });
    return hasFolder ? std::string(buffer.begin(), end) + "\\" : std::string();
}

std::string defaultCachePath(const std::string &folderText) {
    return folderText + "Microsoft\\Outlook\\" + "Outlook.NK2";
}

std::string cachePathBoxText(const SpecialFolderRequest &request) {
    const std::string folder = GetSpecialFolder(kAppDataFolderId, request);
    return folder.empty() ? kNoCachePathMessage : defaultCachePath(folder);
}

}  // namespace ravelo
