#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_identity.h"
#include "files/file_path.h"

// The steps of appending to a file that each system takes its own way; appendWhole decides, the
// same on every system, which steps a file takes.
namespace ravelo::append_steps {

// What the system says of the file that a name leads to.
struct Target {
    FilePath file;  // the file itself, its full path, through any symbolic link
    bool exists = false;
    bool regular = true;      // not a folder, a device, a FIFO
    bool writable = true;     // this user may write it (a read-only file may not)
    bool keptOut = false;     // one of the files that must never be written
    bool otherNames = false;  // it has more than one name (hard links)
};

// Nothing when the name cannot be resolved, or only through a link that must not be followed.
std::optional<Target> inspect(const FilePath &name, const std::vector<FileIdentity> &keepOut);

// The whole content; false when it cannot be read.
bool readWhole(const Target &target, std::string &content);

// A new file beside the target that holds `content`, on the device, named by temporaryName.
// Nothing when the folder takes no new file; an empty name when the content could not all be
// written (the new file is gone again).
std::optional<FilePath> writeBeside(const Target &target, std::string_view content);

// The new file takes the target's place and what the system keeps on it (permissions;
// attributes, security, creation time and other streams on Windows), in one step that a kill
// cannot split.
bool replace(const Target &target, const FilePath &replacement);

void remove(const FilePath &file);

// Opens the target (or makes it), checks again that what it opened is a regular file that may be
// written, and adds `bytes` at its end, on the device. On a failure it cuts the file back to its
// length, and removes a file that it made.
bool appendInPlace(const Target &target, std::string_view bytes,
                   const std::vector<FileIdentity> &keepOut);

// Removes what a killed export left beside the target: files of temporaryName's form for the
// target's name, made by this user, whose process no longer runs.
void removeLeftovers(const Target &target);

// The name of an export's new file beside the file `name`: hidden, and made by this program's
// process `process` alone.
template <class Char>
std::basic_string<Char> temporaryName(std::basic_string_view<Char> name, std::uint64_t process) {
    std::basic_string<Char> made(1, Char('.'));
    made += name;
    for (char c : ".ravelo-" + std::to_string(process) + ".tmp") {
        made += Char(c);
    }
    return made;
}

// The process that made `entry`, when it is temporaryName's form for the file `name`.
template <class Char>
std::optional<std::uint64_t> leftoverProcess(std::basic_string_view<Char> entry,
                                             std::basic_string_view<Char> name) {
    const std::basic_string<Char> prefix = temporaryName(name, 0);
    const std::size_t head = prefix.size() - 5;  // up to the process number: ".NAME.ravelo-"
    const std::basic_string_view<Char> tail = entry.substr(std::min(entry.size(), head));
    if (entry.size() <= head + 4 ||
        entry.substr(0, head) != std::basic_string_view<Char>(prefix).substr(0, head) ||
        tail.substr(tail.size() - 4) != std::basic_string_view<Char>(prefix).substr(head + 1)) {
        return std::nullopt;
    }
    std::uint64_t process = 0;
    const std::basic_string_view<Char> digits = tail.substr(0, tail.size() - 4);
    if (digits.empty() || digits.size() > 10) {
        return std::nullopt;
    }
    for (Char c : digits) {
        if (c < Char('0') || c > Char('9')) {
            return std::nullopt;
        }
        process = process * 10 + static_cast<std::uint64_t>(c - Char('0'));
    }
    return process;
}

}  // namespace ravelo::append_steps
