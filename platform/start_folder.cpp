#include "platform/start_folder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/code_page.h"

namespace ravelo {

std::string nearestExistingFolder(const std::string &startPath) {
    std::string candidate = startPath;
    std::replace(candidate.begin(), candidate.end(), '\\', '/');
    while (!candidate.empty()) {
        std::error_code error;
        if (std::filesystem::is_directory(nativePath(candidate), error)) {
            return candidate;
        }
        const std::size_t slash = candidate.find_last_of('/');
        if (slash == std::string::npos) {
            break;
        }
        candidate.erase(slash == 0 ? 1 : slash);
    }
    return {};
}

}  // namespace ravelo
