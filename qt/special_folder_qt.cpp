#include <QStandardPaths>
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

#include "platform/special_folder.h"
#include "qt/text_codec.h"

namespace ravelo {

// Off Windows the per-user application-data folder stands in for every special folder.
bool requestSpecialFolder(std::span<char> buffer, std::int16_t /*id*/) {
    const std::string path =
        fromQString(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (path.size() >= buffer.size()) {
        return true;  // too long for the buffer: nothing is written, as on Windows
    }
    std::copy(path.begin(), path.end(), buffer.begin());
    buffer[path.size()] = '\0';
    return true;
}

}  // namespace ravelo
