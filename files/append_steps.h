#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_identity.h"
#include "files/file_path.h"

// The steps of appending to a file that each system takes its own way; appendWhole decides, the
// same on every system, which steps a file takes.
namespace ravelo::append_steps {

// What the system holds open of the target: each system's own.
struct Opened;

// What the system says of the file that a name leads to, judged on the file that it opened.
struct Target {
    FilePath file;  // on Windows its full path; elsewhere its name in the folder held open
    bool exists = false;
    bool regular = true;      // not a folder, a device, a FIFO
    bool writable = true;     // this user may write it (a read-only file may not)
    bool keptOut = false;     // one of the files that must never be written
    bool otherNames = false;  // it has more than one name (hard links)
    std::shared_ptr<Opened> opened;
};

// Nothing when the name cannot be resolved, only through a link that must not be followed, or
// when what it names changed while it was looked at.
std::optional<Target> inspect(const FilePath &name, const std::vector<FileIdentity> &keepOut);

// The whole content; false when it cannot be read.
bool readWhole(const Target &target, std::string &content);

// A new file beside the target that holds `content`, on the device, under a name that no one
// can guess (temporaryName's). Nothing when the folder takes no new file; an empty name when the
// content could not all be written (the new file is gone again).
std::optional<FilePath> writeBeside(const Target &target, std::string_view content);

// The new file takes the target's place and what the system keeps on it (permissions;
// attributes, security, creation time and other streams on Windows), in one step that a kill
// cannot split.
bool replace(const Target &target, const FilePath &replacement);

void remove(const Target &target, const FilePath &replacement);

// Adds `bytes` at the end of the target as it was opened (or makes it, when there was none, and
// checks what it made), on the device. On a failure it cuts the file back to its length, and
// removes a file that it made.
bool appendInPlace(const Target &target, std::string_view bytes,
                   const std::vector<FileIdentity> &keepOut);

// Removes what killed exports left beside the target: files of temporaryName's form for the
// target's name, made by this user, whose process no longer runs. What others put there costs
// it a bounded number of looks.
void removeLeftovers(const Target &target);

// For the tests: runs once inspect has looked at the name and before it opens what the name
// leads to, so that a test can change the file system there as another user might.
inline std::function<void()> afterFirstLook;

// The name of an export's new file beside the file `name`: hidden, made by this program's
// process `process`, and with `random` in it so that no one can make it first.
template <class Char>
std::basic_string<Char> temporaryName(std::basic_string_view<Char> name, std::uint64_t process,
                                      std::uint64_t random) {
    std::basic_string<Char> made(1, Char('.'));
    made += name;
    char hex[17] = {};
    for (int i = 0; i < 16; ++i) {
        hex[i] = "0123456789abcdef"[(random >> (60 - 4 * i)) & 0xf];
    }
    for (char c : ".ravelo-" + std::to_string(process) + "-" + hex + ".tmp") {
        made += Char(c);
    }
    return made;
}

// The process that made `entry`, when it is temporaryName's form for the file `name` (or the
// form without the random part that the first versions made).
template <class Char>
std::optional<std::uint64_t> leftoverProcess(std::basic_string_view<Char> entry,
                                             std::basic_string_view<Char> name) {
    const auto is = [](std::basic_string_view<Char> text, std::string_view ascii) {
        return text.size() == ascii.size() && std::equal(text.begin(), text.end(), ascii.begin());
    };
    const std::size_t head = 1 + name.size() + 8;  // ".NAME.ravelo-"
    if (entry.size() <= head + 4 || entry[0] != Char('.') || entry.substr(1, name.size()) != name ||
        !is(entry.substr(1 + name.size(), 8), ".ravelo-") ||
        !is(entry.substr(entry.size() - 4), ".tmp")) {
        return std::nullopt;
    }
    std::basic_string_view<Char> digits = entry.substr(head, entry.size() - head - 4);
    if (const std::size_t dash = digits.find(Char('-')); dash != digits.npos) {
        const std::basic_string_view<Char> random = digits.substr(dash + 1);
        if (random.size() != 16 || !std::all_of(random.begin(), random.end(), [](Char c) {
                return (c >= Char('0') && c <= Char('9')) || (c >= Char('a') && c <= Char('f'));
            })) {
            return std::nullopt;
        }
        digits = digits.substr(0, dash);
    }
    if (digits.empty() || digits.size() > 10) {
        return std::nullopt;
    }
    std::uint64_t process = 0;
    for (Char c : digits) {
        if (c < Char('0') || c > Char('9')) {
            return std::nullopt;
        }
        process = process * 10 + static_cast<std::uint64_t>(c - Char('0'));
    }
    return process;
}

}  // namespace ravelo::append_steps
