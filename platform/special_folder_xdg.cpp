#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "files/code_page.h"
#include "platform/special_folder.h"

namespace ravelo {
namespace {

// The per-user data folder of the XDG rules: $XDG_DATA_HOME when it is an absolute path, else
// .local/share in the home folder ($HOME, else the user's entry in the password database).
std::string userDataFolder() {
    if (const char *data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') {
        return data;
    }
    std::string home;
    if (const char *fromEnvironment = std::getenv("HOME"); fromEnvironment != nullptr) {
        home = fromEnvironment;
    }
    if (home.empty()) {
        if (const passwd *user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) {
            home = user->pw_dir;
        }
    }
    while (home.size() > 1 && home.back() == '/') {
        home.pop_back();
    }
    return (home == "/" ? "" : home) + "/.local/share";
}

}  // namespace

// Off Windows the per-user data folder stands in for every special folder.
bool requestSpecialFolder(std::span<char> buffer, std::int16_t /*id*/) {
    const std::string path = textFromUtf8(userDataFolder());
    if (path.size() >= buffer.size()) {
        return true;  // too long for the buffer: nothing is written, as on Windows
    }
    std::copy(path.begin(), path.end(), buffer.begin());
    buffer[path.size()] = '\0';
    return true;
}

}  // namespace ravelo
