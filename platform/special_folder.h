#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace ravelo {

inline constexpr int kAppDataFolderId = 26;

// Asks the platform for the path of a special folder. The platform writes the path, ended by a
// NUL, into the buffer, or leaves it as it is. Returns false when the request itself could not
// be made; what the platform answered is otherwise read from the buffer alone.
using SpecialFolderRequest = std::function<bool(std::span<char> buffer, std::int16_t id)>;

// The request of the system this program runs on.
bool requestSpecialFolder(std::span<char> buffer, std::int16_t id);

}  // namespace ravelo
