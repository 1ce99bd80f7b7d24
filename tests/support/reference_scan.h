#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace ravelo::testing {

// The addresses of a cache file by the rules spelt out one byte at a time, as simply as they can
// be: windows from the second byte on, the terminator searched from the fifth byte after the
// marker, the text up to and including it cut at its first zero, the next window six bytes after
// the marker, and the end at the first window or terminator that the file cannot hold. An entry
// keeps at most `maxEntryBytes` of its text.
inline std::vector<std::string> referenceScan(const std::string &bytes,
                                              std::size_t maxEntryBytes = 4096) {
    std::vector<std::string> found;
    std::size_t window = 1;
    while (window + 5 <= bytes.size()) {
        if (bytes.compare(window, 5, "SMTP:") != 0) {
            ++window;
            continue;
        }
        const std::size_t terminator = bytes.find('\3', window + 5);
        if (terminator == std::string::npos) {
            break;
        }
        const std::string text = bytes.substr(window + 5, terminator - window - 4);
        found.push_back(text.substr(0, std::min(text.find('\0'), maxEntryBytes)));
        window += 6;
    }
    return found;
}

}  // namespace ravelo::testing
