#pragma once

#include <string>

#include "platform/special_folder.h"

namespace ravelo {

inline constexpr const char *kNoCachePathMessage =
    "Could not detect NK2 path! Press browse to locate NK2 file -->";

// The folder's path followed by one "\", or the empty string when the platform gives no folder
// (the request fails, writes nothing, or writes an empty path). Never reports an error.
std::string GetSpecialFolder(int id, const SpecialFolderRequest &request);

// Where Outlook keeps its cache in a folder text from GetSpecialFolder; relative when the
// folder text is empty.
std::string defaultCachePath(const std::string &folderText);

// What the cache path box shows when the main window opens.
std::string cachePathBoxText(const SpecialFolderRequest &request);

}  // namespace ravelo
