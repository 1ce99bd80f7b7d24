#include <shlobj.h>
#include <windows.h>

#include "platform/special_folder.h"

#include <cstdint>
#include <span>

namespace ravelo {

bool requestSpecialFolder(std::span<char> buffer, std::int16_t id) {
    if (buffer.size() < MAX_PATH) {
        return false;
    }
    SHGetSpecialFolderPathA(nullptr, buffer.data(), id, FALSE);
    return true;
}

}  // namespace ravelo
